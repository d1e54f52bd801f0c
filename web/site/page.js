// The page: the third binding of Ormane's window model, beside the Qt window and the command
// line. It shows each form the program shows, from the states the module hands it, and sends
// the module what the person does (a text typed, a key released, a click, an item picked),
// as the Qt window does. It computes, corrects and decides nothing itself: every caption,
// number, correction, mark and status line comes from the module.
'use strict';

(function () {
    const PRINCIPALE = 'FeuilleOrmane';
    const CLE_REGLAGES = 'ormane-settings';
    const MESSAGES = {
        en: {
            starting: 'Ormane is starting…',
            noModule: 'Ormane could not start: this browser does not run its WebAssembly module.',
            close: 'Close',
            ended: 'Ormane has ended. Its settings are kept in this browser.',
            restart: 'Start again',
            saveAs: 'Save as',
            cancel: 'Cancel',
            copyFailed: 'The clipboard could not be written: copy the text below by hand.',
            help: 'Help',
            menus: 'Menus',
            picture: 'Picture of the predictive distribution',
            dismiss: 'OK',
        },
        fr: {
            starting: 'Ormane démarre…',
            noModule: 'Ormane ne peut pas démarrer : ce navigateur n’exécute pas son module WebAssembly.',
            close: 'Fermer',
            ended: 'Ormane est terminé. Ses réglages sont gardés dans ce navigateur.',
            restart: 'Recommencer',
            saveAs: 'Enregistrer en',
            cancel: 'Annuler',
            copyFailed: 'Le presse-papier n’a pas pu être écrit : copiez le texte ci-dessous à la main.',
            help: 'Aide',
            menus: 'Menus',
            picture: 'Image de la distribution prédictive',
            dismiss: 'OK',
        },
    };

    let appel = null;       // the module's entry point: JSON text in, JSON text out
    let langue = 'en';
    const formes = new Map();  // form name -> its view
    let aideOuverte = null;

    const $ = (id) => document.getElementById(id);
    const mot = (cle) => (MESSAGES[langue] || MESSAGES.en)[cle];

    // ---- Talking to the module -------------------------------------------------------------

    // Sends one request and applies its answer; the time of the module's call is kept for
    // the tests' figures.
    function demande(requete) {
        const debut = performance.now();
        const texte = appel(JSON.stringify(requete));
        window.ormaneDureeDernierAppel = performance.now() - debut;
        const reponse = JSON.parse(texte);
        if (reponse.error) console.error('ormane: ' + reponse.error);
        applique(reponse, requete);
        return reponse;
    }

    function action(forme, controle, quoi, plus) {
        return demande(Object.assign({do: quoi, form: forme, control: controle}, plus || {}));
    }

    function applique(reponse, requete) {
        for (const etat of reponse.forms || []) metAJourForme(etat);
        // A control the model did not take back keeps the state the model holds, not what
        // the browser did to it.
        if (requete && requete.control && reponse.taken === false) {
            const vue = formes.get(requete.form);
            if (vue && vue.etats.has(requete.control)) rafraichitControle(vue, requete.control);
        }
        for (const effet of reponse.effects || []) executeEffet(effet, requete);
        majLangue();
    }

    // ---- Captions ----------------------------------------------------------------------------

    // A caption with "&" before its access-key letter ("&&" is one "&"): the text with that
    // letter underlined, and the letter.
    function legende(element, caption) {
        element.textContent = '';
        let touche = null;
        for (let i = 0; i < caption.length; ++i) {
            const c = caption[i];
            if (c === '&' && i + 1 < caption.length) {
                if (caption[i + 1] === '&') {
                    element.append('&');
                    ++i;
                    continue;
                }
                const u = document.createElement('u');
                u.textContent = caption[i + 1];
                element.append(u);
                touche = touche || caption[i + 1].toLowerCase();
                ++i;
                continue;
            }
            element.append(c);
        }
        return touche;
    }

    const sansMarques = (caption) => caption.replace(/&&/g, '\u0000').replace(/&/g, '')
        .replace(/\u0000/g, '&');

    // ---- Building a form's elements ------------------------------------------------------

    function idElement(forme, id) {
        return 'c-' + forme + '-' + id.replace(/[()]/g, '_');
    }

    // One element per control; `vue.elements` maps the control to the element that shows it
    // and the one a person acts on.
    function creeControle(vue, etat) {
        const id = idElement(vue.nom, etat.id);
        let el;
        let entree = null;
        switch (etat.kind) {
            case 'TextBox':
            case 'ComboBox': {
                el = entree = document.createElement('input');
                el.type = 'text';
                el.autocomplete = 'off';
                el.spellcheck = false;
                el.setAttribute('inputmode', 'decimal');
                if (etat.kind === 'ComboBox') {
                    const liste = document.createElement('datalist');
                    liste.id = id + '-liste';
                    el.setAttribute('list', liste.id);
                    vue.racine.append(liste);
                    vue.listes.set(etat.id, liste);
                }
                brancheTexte(vue, etat.id, el);
                break;
            }
            case 'OptionButton':
            case 'CheckBox': {
                el = document.createElement('label');
                el.className = 'choix';
                entree = document.createElement('input');
                entree.type = etat.kind === 'OptionButton' ? 'radio' : 'checkbox';
                if (etat.kind === 'OptionButton') {
                    entree.name = vue.nom + '-' + (etat.container || 'forme');
                }
                const texte = document.createElement('span');
                el.append(entree, texte);
                entree.addEventListener('click', (e) => {
                    // The model decides; the element shows what it decided.
                    if (etat.kind === 'OptionButton' && vue.etats.get(etat.id).value) return;
                    action(vue.nom, etat.id, 'click');
                    e.stopPropagation();
                });
                break;
            }
            case 'Label': {
                const resultat = !!etat.background;
                el = document.createElement(resultat ? 'output' : 'span');
                el.className = resultat ? 'resultat' : 'eti';
                if (etat.name === 'EtiEtat') {
                    el.className = 'etat';
                    el.setAttribute('role', 'status');
                    el.setAttribute('aria-live', 'polite');
                }
                break;
            }
            case 'Frame': {
                el = document.createElement('fieldset');
                el.append(document.createElement('legend'));
                break;
            }
            case 'CommandButton': {
                el = entree = document.createElement('button');
                el.type = 'button';
                el.addEventListener('click', () => action(vue.nom, etat.id, 'click'));
                break;
            }
            case 'ScrollBar': {
                el = entree = document.createElement('input');
                el.type = 'range';
                el.addEventListener('input', () => {
                    action(vue.nom, etat.id, 'scrollTo', {value: Number(el.value)});
                });
                break;
            }
            case 'Picture': {
                el = document.createElement('figure');
                el.className = 'image';
                break;
            }
            case 'MenuItem':
                return null;  // in the menu bar
            default: {
                el = document.createElement('div');
                el.className = 'inconnu';
            }
        }
        el.id = id;
        if (entree && entree !== el) entree.id = id + '-entree';
        el.dataset.controle = etat.id;
        vue.elements.set(etat.id, {el, entree: entree || el});
        return el;
    }

    // A text or combo box: every edit is the whole new text and the caret, every key release
    // a KeyUp, a focus the model's GotFocus (whose selection the box then shows).
    function brancheTexte(vue, id, el) {
        el.addEventListener('input', (e) => {
            const etat = vue.etats.get(id);
            const position = etat.items ? etat.items.indexOf(el.value) : -1;
            if (e.inputType === 'insertReplacementText' || (e.inputType === undefined && position >= 0)) {
                action(vue.nom, id, 'pick', {position});
                return;
            }
            action(vue.nom, id, 'type', {text: el.value, caret: el.selectionStart});
        });
        el.addEventListener('keyup', (e) => {
            action(vue.nom, id, 'keyUp', {key: codeTouche(e), shift: e.shiftKey ? 1 : 0});
        });
        el.addEventListener('focus', () => {
            if (vue.ignoreFocus) return;
            action(vue.nom, id, 'focus');
            const etat = vue.etats.get(id);
            try {
                el.setSelectionRange(etat.selStart, etat.selStart + etat.selLength);
            } catch (e) { /* not every input has a selection */ }
        });
    }

    // The key code a Windows-style key event carries, as the model's handlers expect it.
    function codeTouche(e) {
        return e.keyCode || 0;
    }

    // ---- Updating ------------------------------------------------------------------------

    function rafraichitControle(vue, id) {
        const etat = vue.etats.get(id);
        const paire = vue.elements.get(id);
        if (!etat || !paire) return;
        const {el, entree} = paire;
        el.hidden = !etat.visible;
        if (entree) entree.disabled = !etat.enabled;
        if (etat.toolTip) el.title = etat.toolTip;
        else el.removeAttribute('title');
        switch (etat.kind) {
            case 'TextBox':
            case 'ComboBox': {
                if (el.value !== etat.text) {
                    const focus = document.activeElement === el;
                    el.value = etat.text;
                    // A text the program wrote shows its beginning.
                    if (!focus) el.scrollLeft = 0;
                    else el.setSelectionRange(etat.selStart, etat.selStart + etat.selLength);
                }
                el.classList.toggle('marque', etat.marked);
                el.setAttribute('aria-invalid', etat.marked ? 'true' : 'false');
                if (etat.accessibleName) el.setAttribute('aria-label', etat.accessibleName);
                // The whole text as a hint when it does not fit (the "read as" hint first).
                if (!etat.toolTip && etat.text.length > 12) el.title = etat.text;
                const liste = vue.listes.get(id);
                if (liste && liste.childElementCount !== etat.items.length) {
                    liste.textContent = '';
                    for (const item of etat.items) {
                        const option = document.createElement('option');
                        option.value = item;
                        liste.append(option);
                    }
                }
                break;
            }
            case 'OptionButton':
            case 'CheckBox': {
                entree.checked = !!etat.value;
                const touche = legende(el.querySelector('span'), etat.caption);
                if (touche) entree.accessKey = touche;
                entree.setAttribute('aria-label', etat.accessibleName || sansMarques(etat.caption).trim());
                break;
            }
            case 'Label': {
                if (el.tagName === 'OUTPUT' || el.className === 'etat') el.textContent = etat.caption;
                else legende(el, etat.caption);
                if (el.tagName === 'OUTPUT') {
                    // A result is named by what it shows; empty, by what it would show.
                    el.setAttribute('aria-label', etat.caption.trim() || etat.accessibleName);
                }
                break;
            }
            case 'Frame':
                el.querySelector('legend').textContent = sansMarques(etat.caption).trim();
                // A frame that only groups options (the alpha's tails) keeps its design
                // caption, which no window shows: the group is named by its box instead.
                if (SANS_LEGENDE.has(etat.id)) {
                    el.className = 'groupe';
                    el.querySelector('legend').hidden = true;
                    el.setAttribute('role', 'radiogroup');
                    const nom = vue.etats.get(SANS_LEGENDE.get(etat.id));
                    if (nom) el.setAttribute('aria-label', sansMarques(nom.caption).trim());
                }
                break;
            case 'CommandButton': {
                const touche = legende(el, etat.caption);
                if (touche) el.accessKey = touche;
                el.setAttribute('aria-label', etat.accessibleName || sansMarques(etat.caption).trim());
                break;
            }
            case 'ScrollBar': {
                const bas = Math.min(etat.top, etat.bottom);
                const haut = Math.max(etat.top, etat.bottom);
                el.min = bas;
                el.max = haut;
                el.step = etat.smallChange;
                el.value = etat.value;
                el.setAttribute('aria-valuetext', String(etat.value));
                if (etat.accessibleName) el.setAttribute('aria-label', etat.accessibleName);
                break;
            }
            case 'Picture':
                dessine(el, etat.drawing);
                break;
            default:
                break;
        }
    }

    function metAJourForme(etat) {
        let vue = formes.get(etat.name);
        if (etat.unloaded) {
            if (vue) retireForme(vue);
            return;
        }
        if (etat.controls && !vue) vue = creeForme(etat);
        if (!vue) return;
        Object.assign(vue.forme, {caption: etat.caption, shown: etat.shown, modal: etat.modal,
            focused: etat.focused, helpContext: etat.helpContext});
        for (const c of etat.controls || []) {
            vue.etats.set(c.id, c);
            rafraichitControle(vue, c.id);
        }
        if (vue.nom === PRINCIPALE) {
            $('titre').textContent = etat.caption;
            document.title = etat.caption;
            construitMenus(vue);
        } else {
            montreDialogue(vue);
        }
        for (const rang of vue.rangs) {
            rang.hidden = [...rang.children].every((enfant) => enfant.hidden);
        }
        // A section of the main window with nothing to show takes no room.
        for (const section of vue.racine.querySelectorAll(':scope > section')) {
            section.hidden = [...section.children].every((enfant) => enfant.hidden);
        }
        suitFocus(vue);
    }

    // The model moved the focus (an option chosen puts it in its box): the page follows, in
    // the form the person works in.
    function suitFocus(vue) {
        if (!vue.forme.focused || !vue.forme.shown) return;
        const paire = vue.elements.get(vue.forme.focused);
        if (!paire || document.activeElement === paire.entree) return;
        const active = document.activeElement;
        if (active && active.closest && !vue.racine.contains(active) && vue.nom === PRINCIPALE &&
            document.querySelector('.dialogue:not([hidden])')) return;
        vue.ignoreFocus = true;
        paire.entree.focus({preventScroll: true});
        vue.ignoreFocus = false;
    }

    // ---- Forms ---------------------------------------------------------------------------

    function creeForme(etat) {
        const principale = etat.name === PRINCIPALE;
        const racine = principale ? $('fenetre') : document.createElement('section');
        const vue = {nom: etat.name, forme: {}, etats: new Map(), elements: new Map(),
            listes: new Map(), rangs: [], racine, ignoreFocus: false};
        formes.set(etat.name, vue);
        for (const c of etat.controls) vue.etats.set(c.id, c);
        if (principale) {
            racine.textContent = '';
            racine.removeAttribute('aria-busy');
            disposePrincipale(vue, etat.controls);
        } else {
            racine.className = 'dialogue';
            racine.dataset.forme = etat.name;
            racine.setAttribute('role', 'dialog');
            racine.setAttribute('aria-labelledby', 'titre-' + etat.name);
            racine.hidden = true;
            const entete = document.createElement('div');
            entete.className = 'entete-dialogue';
            const titre = document.createElement('h2');
            titre.id = 'titre-' + etat.name;
            const fermer = document.createElement('button');
            fermer.type = 'button';
            fermer.className = 'fermer';
            fermer.textContent = '×';
            fermer.addEventListener('click', () => demande({do: 'close', form: etat.name}));
            entete.append(titre, fermer);
            racine.append(entete);
            disposeEnRangs(vue, etat.controls, racine);
            racine.addEventListener('keydown', (e) => {
                if (e.key === 'Escape') demande({do: 'close', form: etat.name});
            });
            $('dialogues').append(racine);
        }
        return vue;
    }

    function retireForme(vue) {
        if (vue.nom === PRINCIPALE) return;
        vue.racine.remove();
        formes.delete(vue.nom);
        ombreModale();
        rendFocus(vue.ouvrant);
    }

    // The main window darkens behind a modal panel: it takes nothing until the panel closes.
    function ombreModale() {
        document.body.classList.toggle('sous-modal',
            [...formes.values()].some((v) => v.nom !== PRINCIPALE && v.forme.shown && v.forme.modal));
    }

    function montreDialogue(vue) {
        const titre = vue.racine.querySelector('h2');
        titre.textContent = vue.forme.caption;
        vue.racine.querySelector('.fermer').setAttribute('aria-label', mot('close'));
        const etaitCache = vue.racine.hidden;
        vue.racine.hidden = !vue.forme.shown;
        vue.racine.setAttribute('aria-modal', vue.forme.modal ? 'true' : 'false');
        vue.racine.classList.toggle('modal', !!vue.forme.modal);
        ombreModale();
        if (etaitCache && vue.forme.shown) {
            vue.ouvrant = document.activeElement;
            const premier = vue.racine.querySelector('input:not([hidden]):not([disabled]), button:not(.fermer)');
            if (premier && !vue.forme.focused) premier.focus();
        } else if (!etaitCache && !vue.forme.shown) {
            rendFocus(vue.ouvrant);
        }
    }

    function rendFocus(element) {
        if (element && document.body.contains(element)) element.focus();
    }

    // Controls in their order, a row started at each caption (a label, an option, a box to
    // tick, a frame, a button), the boxes and results after it in the same row; frames hold
    // their own rows.
    function disposeEnRangs(vue, controles, conteneur, parent = null) {
        let rang = null;
        for (const etat of controles) {
            if (etat.container !== parent) continue;
            const el = creeControle(vue, etat);
            if (!el) continue;
            // A result follows its caption, and buttons stand side by side.
            const suit = rang && ((etat.kind === 'Label' && etat.background && rang.dataset.genre === 'Label') ||
                (etat.kind === 'CommandButton' && rang.dataset.genre === 'CommandButton'));
            const ouvre = ['Label', 'OptionButton', 'CheckBox', 'Frame', 'CommandButton', 'Picture',
                'ScrollBar'].includes(etat.kind) && !suit;
            if (!rang || ouvre) {
                rang = document.createElement('div');
                rang.className = 'rang';
                rang.dataset.genre = etat.kind;
                conteneur.append(rang);
                vue.rangs.push(rang);
            }
            rang.append(el);
            if (etat.kind === 'Frame') {
                disposeEnRangs(vue, controles, el, etat.id);
                rang = null;
            }
            rafraichitControle(vue, etat.id);
            relieEtiquette(vue, rang);
        }
    }

    // A label followed by a box in its row names that box.
    function relieEtiquette(vue, rang) {
        if (!rang) return;
        const enfants = [...rang.children];
        if (enfants.length < 2 || enfants[0].tagName !== 'SPAN') return;
        const boite = enfants.find((e) => e.tagName === 'INPUT');
        if (!boite || boite.getAttribute('aria-labelledby')) return;
        if (!enfants[0].id) enfants[0].id = boite.id + '-nom';
        boite.setAttribute('aria-labelledby', enfants[0].id);
    }

    // The main window for the web: what was observed, what is predicted, the probabilities,
    // the intervals, the status line, the picture and the commands, each a section that
    // reflows from a phone's width to a wide screen. Any control not named here follows in
    // its own row, so nothing the model has is left out.
    const DISPOSITION = [
        {classe: 'donnees', rangs: [['CadreDonnees']]},
        {classe: 'prevision', rangs: [
            ['OptionReplique(0)'],
            ['OptionReplique(1)', 'Textec'],
            ['Etidf(1)', 'TextedfR'],
            ['OptionIC(1)', 'TexteGarantie(1)', 'Eti2(5)'],
            ['CadreIntervalle(0)'], ['CadreIntervalle(1)'], ['CadreIntervalle(2)']]},
        {classe: 'probabilites', rangs: [
            ['EtiRepliqued'], ['EtiPrep'],
            ['CasePsrep'], ['Etialpha', 'Textealpha', 'CadreAlpha', 'EtiPrept'],
            ['CasePreprep'], ['EtiGamma', 'TexteGamma', 'EtiPreprep'],
            ['EtiDecimales', 'Ascenseur'],
            ['CaseAutomatique', 'BoutonCalculer']]},
        {classe: 'etat', rangs: [['EtiEtat']]},
        {classe: 'image', rangs: [['ImagePredictive']]},
        {classe: 'commandes', rangs: [['BoutonAide', 'BoutonKprime', 'BoutonQuitter', 'boutonOK']]},
    ];
    // Frames that only group options, named by another control.
    const SANS_LEGENDE = new Map([['CadreAlpha', 'Etialpha']]);
    // Inside the frames of the main window.
    const RANGS_DES_CADRES = {
        'CadreDonnees': [['Etidf(0)', 'Textedf'], ['Optiont(1)', 'Textet(1)'], ['Optiont(2)', 'Textet(2)'],
            ['Optiont(3)', 'Textet(3)'], ['Optiont(4)', 'Textet(4)'],
            ['OptionIC(0)', 'TexteGarantie(0)', 'Eti2(2)'], ['EtiIC(0)'], ['CadreEffet']],
        'CadreEffet': [['OptionEffet(0)', 'TexteEffet(0)'], ['OptionEffet(1)', 'TexteEffet(1)']],
        'CadreIntervalle(0)': [['Eti2(0)', 'EtiICt(1)'], ['Eti2(1)', 'EtiICt(2)']],
        'CadreIntervalle(1)': [['EtiIC(1)']],
        'CadreIntervalle(2)': [['EtiL(1)', 'EtiICL(1)'], ['EtiL(2)', 'EtiICL(2)']],
        'CadreAlpha': [['OptionAlpha(0)', 'OptionAlpha(1)']],
    };

    function disposePrincipale(vue, controles) {
        const places = new Set();
        const place = (id, conteneur) => {
            const etat = vue.etats.get(id);
            if (!etat || places.has(id)) return null;
            places.add(id);
            const el = creeControle(vue, etat);
            if (!el) return null;
            conteneur.append(el);
            if (etat.kind === 'Frame') {
                for (const ids of RANGS_DES_CADRES[id] || []) rangDe(ids, el);
                for (const autre of controles) {
                    if (autre.container === id) rangDe([autre.id], el);
                }
            }
            rafraichitControle(vue, id);
            return el;
        };
        const rangDe = (ids, conteneur) => {
            const rang = document.createElement('div');
            rang.className = 'rang';
            for (const id of ids) place(id, rang);
            if (rang.childElementCount === 0) return;
            conteneur.append(rang);
            vue.rangs.push(rang);
            relieEtiquette(vue, rang);
        };
        for (const section of DISPOSITION) {
            const el = document.createElement('section');
            el.className = section.classe;
            for (const ids of section.rangs) rangDe(ids, el);
            vue.racine.append(el);
        }
        const reste = document.createElement('section');
        reste.className = 'reste';
        for (const etat of controles) {
            if (etat.kind !== 'MenuItem' && !etat.container) rangDe([etat.id], reste);
        }
        if (reste.childElementCount) vue.racine.append(reste);
        // A statistic's box is named by its option, the decimals bar by its label.
        for (let i = 1; i <= 4; ++i) nomme(vue, 'Textet(' + i + ')', 'Optiont(' + i + ')');
        nomme(vue, 'TexteEffet(0)', 'OptionEffet(0)');
        nomme(vue, 'TexteEffet(1)', 'OptionEffet(1)');
    }

    function nomme(vue, boite, par) {
        const b = vue.elements.get(boite);
        const p = vue.elements.get(par);
        if (!b || !p || b.entree.getAttribute('aria-label')) return;
        const texte = p.el.querySelector('span');
        if (!texte.id) texte.id = p.el.id + '-texte';
        b.entree.setAttribute('aria-labelledby', texte.id);
    }

    // ---- Menus ---------------------------------------------------------------------------

    function construitMenus(vue) {
        const barre = $('menus');
        barre.setAttribute('aria-label', mot('menus'));
        barre.textContent = '';
        const menus = [...vue.etats.values()].filter((e) => e.kind === 'MenuItem');
        const enfants = (id) => menus.filter((e) => e.container === id);
        for (const haut of enfants(null)) {
            if (!haut.visible) continue;
            const bouton = document.createElement('button');
            bouton.type = 'button';
            bouton.className = 'menu';
            bouton.id = idElement(vue.nom, haut.id);
            const touche = legende(bouton, haut.caption);
            if (touche) bouton.accessKey = touche;
            const sous = enfants(haut.id);
            if (sous.length === 0) {
                bouton.addEventListener('click', () => action(vue.nom, haut.id, 'click'));
                barre.append(bouton);
                continue;
            }
            bouton.setAttribute('aria-haspopup', 'menu');
            bouton.setAttribute('aria-expanded', 'false');
            const groupe = document.createElement('span');
            groupe.className = 'groupe-menu';
            groupe.append(bouton);
            bouton.addEventListener('click', () => {
                const ouvert = bouton.getAttribute('aria-expanded') === 'true';
                fermeMenus();
                if (!ouvert) ouvreMenu(vue, haut.id, groupe, bouton);
            });
            barre.append(groupe);
        }
    }

    // A menu's items as a list under its button (or where the pop-up was asked for).
    function ouvreMenu(vue, id, ancre, bouton) {
        const liste = document.createElement('div');
        liste.className = 'liste-menu';
        liste.setAttribute('role', 'menu');
        const ajoute = (parent, niveau) => {
            for (const e of vue.etats.values()) {
                if (e.kind !== 'MenuItem' || e.container !== parent || !e.visible) continue;
                const sous = [...vue.etats.values()].some((f) => f.container === e.id);
                if (sous) {
                    const titre = document.createElement('div');
                    titre.className = 'titre-sous-menu';
                    titre.textContent = sansMarques(e.caption);
                    titre.setAttribute('role', 'presentation');
                    liste.append(titre);
                    ajoute(e.id, niveau + 1);
                    continue;
                }
                const item = document.createElement('button');
                item.type = 'button';
                item.setAttribute('role', e.checked ? 'menuitemcheckbox' : 'menuitem');
                if (e.checked) item.setAttribute('aria-checked', 'true');
                item.className = 'item-menu' + (e.checked ? ' coche' : '');
                item.style.paddingLeft = (0.6 + niveau) + 'em';
                item.dataset.controle = e.id;
                legende(item, e.caption + (e.shortcut ? '\u2003' + e.shortcut : ''));
                item.addEventListener('click', () => {
                    fermeMenus();
                    action(vue.nom, e.id, 'click');
                });
                liste.append(item);
            }
        };
        ajoute(id, 0);
        liste.addEventListener('keydown', (e) => {
            const items = [...liste.querySelectorAll('button')];
            const i = items.indexOf(document.activeElement);
            if (e.key === 'ArrowDown') items[(i + 1) % items.length].focus();
            else if (e.key === 'ArrowUp') items[(i - 1 + items.length) % items.length].focus();
            else if (e.key === 'Escape') {
                fermeMenus();
                if (bouton) bouton.focus();
            } else return;
            e.preventDefault();
        });
        ancre.append(liste);
        if (bouton) bouton.setAttribute('aria-expanded', 'true');
        const premier = liste.querySelector('button');
        if (premier) premier.focus();
    }

    function fermeMenus() {
        for (const liste of document.querySelectorAll('.liste-menu')) liste.remove();
        for (const b of document.querySelectorAll('[aria-expanded="true"]')) {
            b.setAttribute('aria-expanded', 'false');
        }
    }

    document.addEventListener('click', (e) => {
        if (!e.target.closest('.groupe-menu, .liste-menu, [data-controle="BoutonAide"]')) fermeMenus();
    });

    // ---- The picture -----------------------------------------------------------------------

    const SVG = 'http://www.w3.org/2000/svg';

    function svgDe(dessin) {
        const svg = document.createElementNS(SVG, 'svg');
        svg.setAttribute('xmlns', SVG);
        svg.setAttribute('viewBox', '0 0 ' + dessin.width + ' ' + dessin.height);
        svg.setAttribute('width', dessin.width);
        svg.setAttribute('height', dessin.height);
        svg.setAttribute('font-family', 'DejaVu Sans, Verdana, sans-serif');
        const fond = document.createElementNS(SVG, 'rect');
        fond.setAttribute('width', dessin.width);
        fond.setAttribute('height', dessin.height);
        fond.setAttribute('fill', '#ffffff');
        svg.append(fond);
        const points = (liste) => liste.map((p) => p[0] + ',' + p[1]).join(' ');
        for (const p of dessin.polygons) {
            const e = document.createElementNS(SVG, 'polygon');
            e.setAttribute('points', points(p.points));
            e.setAttribute('fill', p.fill);
            svg.append(e);
        }
        for (const t of dessin.lines) {
            const e = document.createElementNS(SVG, 'polyline');
            e.setAttribute('points', points(t.points));
            e.setAttribute('fill', 'none');
            e.setAttribute('stroke', t.colour);
            e.setAttribute('stroke-width', t.width);
            if (t.dashed) e.setAttribute('stroke-dasharray', '5 4');
            svg.append(e);
        }
        const ancres = {left: 'start', centre: 'middle', right: 'end'};
        for (const t of dessin.texts) {
            const e = document.createElementNS(SVG, 'text');
            e.setAttribute('x', t.at[0]);
            e.setAttribute('y', t.at[1]);
            e.setAttribute('font-size', t.size);
            e.setAttribute('fill', t.colour);
            e.setAttribute('text-anchor', ancres[t.align]);
            if (t.bold) e.setAttribute('font-weight', 'bold');
            e.textContent = t.text;
            svg.append(e);
        }
        return svg;
    }

    function dessine(figure, dessin) {
        figure.textContent = '';
        if (!dessin || (!dessin.polygons.length && !dessin.lines.length && !dessin.texts.length)) return;
        const svg = svgDe(dessin);
        svg.removeAttribute('width');
        svg.removeAttribute('height');
        svg.setAttribute('role', 'img');
        svg.setAttribute('aria-label', dessin.description || mot('picture'));
        figure.append(svg);
    }

    // ---- Effects ---------------------------------------------------------------------------

    function executeEffet(effet, requete) {
        switch (effet.effect) {
            case 'show':
                break;  // the form's state says it is shown
            case 'popup': {
                const vue = formes.get(effet.form);
                const bouton = document.activeElement;
                fermeMenus();
                const ancre = bouton && bouton.parentElement ? bouton.parentElement : $('fenetre');
                ancre.classList.add('ancre-menu');
                ouvreMenu(vue, effet.menu, ancre, null);
                break;
            }
            case 'message':
                avis(effet.text, true);
                break;
            case 'clipboard':
                if (navigator.clipboard) {
                    navigator.clipboard.writeText(effet.text).catch(() => avis(mot('copyFailed') + '\n\n' + effet.text, true));
                } else {
                    avis(mot('copyFailed') + '\n\n' + effet.text, true);
                }
                break;
            case 'help':
                ouvreAide(effet.topic);
                break;
            case 'settings':
                try {
                    localStorage.setItem(CLE_REGLAGES, JSON.stringify(effet.settings));
                } catch (e) { /* storage refused: the settings last this visit */ }
                break;
            case 'save':
                demandeFormat(effet, requete);
                break;
            case 'download':
                telecharge(effet.name, new Blob([effet.content], {type: typeMime(effet.name)}));
                break;
            case 'picture':
                exporteImage(effet.name, effet.drawing);
                break;
            case 'ended':
                termine();
                break;
            default:
                break;
        }
    }

    function typeMime(nom) {
        if (nom.endsWith('.json')) return 'application/json';
        if (nom.endsWith('.csv')) return 'text/csv';
        if (nom.endsWith('.svg')) return 'image/svg+xml';
        return 'application/octet-stream';
    }

    function telecharge(nom, blob) {
        const lien = document.createElement('a');
        lien.href = URL.createObjectURL(blob);
        lien.download = nom;
        document.body.append(lien);
        lien.click();
        lien.remove();
        setTimeout(() => URL.revokeObjectURL(lien.href), 10000);
    }

    function exporteImage(nom, dessin) {
        const svg = svgDe(dessin);
        const texte = new XMLSerializer().serializeToString(svg);
        if (!nom.endsWith('.png')) {
            telecharge(nom, new Blob([texte], {type: 'image/svg+xml'}));
            return;
        }
        const image = new Image();
        image.onload = () => {
            const toile = document.createElement('canvas');
            toile.width = dessin.width;
            toile.height = dessin.height;
            toile.getContext('2d').drawImage(image, 0, 0);
            toile.toBlob((blob) => telecharge(nom, blob), 'image/png');
        };
        image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(texte);
    }

    // The formats the program offers, asked in a small panel; the same request then goes
    // again with the format chosen.
    function demandeFormat(effet, requete) {
        const panneau = document.createElement('div');
        panneau.className = 'dialogue modal format';
        panneau.setAttribute('role', 'dialog');
        panneau.setAttribute('aria-modal', 'true');
        panneau.setAttribute('aria-label', effet.title);
        const titre = document.createElement('h2');
        titre.textContent = effet.title;
        const texte = document.createElement('p');
        texte.textContent = mot('saveAs') + ' ' + effet.name.replace(/\.[^.]*$/, '') + '…';
        panneau.append(titre, texte);
        const ouvrant = document.activeElement;
        const ferme = () => {
            panneau.remove();
            rendFocus(ouvrant);
        };
        for (const format of effet.formats) {
            const b = document.createElement('button');
            b.type = 'button';
            b.textContent = format.name;
            b.addEventListener('click', () => {
                ferme();
                demande(Object.assign({}, requete, {saveAs: format.extension}));
            });
            panneau.append(b);
        }
        const annule = document.createElement('button');
        annule.type = 'button';
        annule.textContent = mot('cancel');
        annule.addEventListener('click', ferme);
        panneau.append(annule);
        panneau.addEventListener('keydown', (e) => {
            if (e.key === 'Escape') ferme();
        });
        $('dialogues').append(panneau);
        panneau.querySelector('button').focus();
    }

    // A notice that stays until dismissed (a message box cannot block a page).
    function avis(texte, bouton) {
        const boite = document.createElement('div');
        boite.className = 'avis';
        boite.setAttribute('role', 'alert');
        const p = document.createElement('p');
        p.textContent = texte;
        boite.append(p);
        if (bouton) {
            const ok = document.createElement('button');
            ok.type = 'button';
            ok.textContent = mot('dismiss');
            const ouvrant = document.activeElement;
            ok.addEventListener('click', () => {
                boite.remove();
                rendFocus(ouvrant);
            });
            boite.append(ok);
            setTimeout(() => ok.focus(), 0);
        }
        $('avis').append(boite);
    }

    // The help pages are the program's own static pages, in a panel.
    function cheminAide(sujet) {
        if (sujet === 22) return 'help/22.html';
        if (sujet >= 1 && sujet <= 9) return 'help/fr/' + sujet + '.html';
        if (sujet >= 11 && sujet <= 19) return 'help/en/' + sujet + '.html';
        return null;
    }

    async function ouvreAide(sujet) {
        let panneau = aideOuverte;
        if (!panneau) {
            panneau = document.createElement('section');
            panneau.className = 'dialogue aide';
            panneau.setAttribute('role', 'dialog');
            panneau.setAttribute('aria-labelledby', 'titre-aide');
            const entete = document.createElement('div');
            entete.className = 'entete-dialogue';
            const titre = document.createElement('h2');
            titre.id = 'titre-aide';
            const fermer = document.createElement('button');
            fermer.type = 'button';
            fermer.className = 'fermer';
            fermer.textContent = '×';
            fermer.addEventListener('click', () => {
                panneau.remove();
                aideOuverte = null;
            });
            entete.append(titre, fermer);
            const cadre = document.createElement('iframe');
            cadre.title = mot('help');
            panneau.append(entete, cadre);
            $('dialogues').append(panneau);
            aideOuverte = panneau;
        }
        panneau.querySelector('h2').textContent = mot('help');
        panneau.querySelector('.fermer').setAttribute('aria-label', mot('close'));
        const cadre = panneau.querySelector('iframe');
        const chemin = cheminAide(sujet);
        let trouve = false;
        if (chemin) {
            try {
                trouve = (await fetch(chemin, {method: 'HEAD'})).ok;
            } catch (e) { trouve = false; }
        }
        if (trouve) {
            cadre.removeAttribute('srcdoc');
            cadre.src = chemin;
            return;
        }
        // A topic with no page: the not-found page, its number filled in.
        const francais = sujet >= 1 && sujet <= 9 ? true : langue === 'fr';
        const page = 'help/not-found-' + (francais ? 'fr' : 'en') + '.html';
        try {
            const texte = await (await fetch(page)).text();
            cadre.srcdoc = texte.replace('%1', String(sujet))
                .replace('<head>', '<head><base href="' + new URL(page, location.href) + '">');
        } catch (e) {
            cadre.src = page;
        }
    }

    function termine() {
        for (const vue of formes.values()) {
            if (vue.nom !== PRINCIPALE) vue.racine.remove();
        }
        const fenetre = $('fenetre');
        fenetre.textContent = '';
        $('menus').textContent = '';
        const p = document.createElement('p');
        p.textContent = mot('ended');
        const b = document.createElement('button');
        b.type = 'button';
        b.textContent = mot('restart');
        b.addEventListener('click', () => location.reload());
        fenetre.append(p, b);
        b.focus();
    }

    // The page speaks the language of the program's captions.
    function majLangue() {
        const vue = formes.get(PRINCIPALE);
        if (!vue) return;
        const francais = vue.etats.get('MenuLangue(1)');
        langue = francais && francais.checked ? 'fr' : 'en';
        document.documentElement.lang = langue;
    }

    // F1 opens the help of the window or panel the person works in, as the Qt window does:
    // the main window's F1 menu item, a panel's own help topic.
    document.addEventListener('keydown', (e) => {
        if (e.key !== 'F1') return;
        e.preventDefault();
        const panneau = document.activeElement && document.activeElement.closest('.dialogue[data-forme]');
        const dialogue = panneau && formes.get(panneau.dataset.forme);
        if (dialogue) {
            if (dialogue.forme.helpContext) ouvreAide(dialogue.forme.helpContext);
            return;
        }
        const vue = formes.get(PRINCIPALE);
        if (!vue) return;
        const item = [...vue.etats.values()].find((c) => c.kind === 'MenuItem' && c.shortcut === 'F1');
        if (item) action(PRINCIPALE, item.id, 'click');
    });

    // ---- Start -------------------------------------------------------------------------------

    function symboleDecimal() {
        try {
            const parties = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
            const p = parties.find((x) => x.type === 'decimal');
            return p ? p.value : '.';
        } catch (e) {
            return '.';
        }
    }

    async function demarre() {
        langue = (navigator.language || 'en').startsWith('fr') ? 'fr' : 'en';
        $('chargement').textContent = mot('starting');
        if (typeof WebAssembly !== 'object' || typeof OrmaneModule !== 'function') {
            $('chargement').textContent = mot('noModule');
            return;
        }
        const module = await OrmaneModule();
        appel = module.cwrap('ormane_request', 'string', ['string']);
        let reglages = {};
        try {
            reglages = JSON.parse(localStorage.getItem(CLE_REGLAGES) || '{}');
        } catch (e) { reglages = {}; }
        demande({do: 'start', settings: reglages, decimalSymbol: symboleDecimal()});
        window.ormanePret = true;
        window.ormaneDemarre = performance.now();
        document.dispatchEvent(new Event('ormane-pret'));
    }

    // For the tests: one request as the page makes them, its answer applied.
    window.ormaneDemande = (requete) => demande(requete);

    demarre();
})();
