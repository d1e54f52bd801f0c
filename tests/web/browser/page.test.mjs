// The web page in a real Chromium, with real key presses: the start-up example, typing key by
// key, the results of varied entries against the native program's, the language switch, the
// picture, the planning dialog, settings kept across a reload, what a screen reader gets, no console error.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {box, choice, label, menu, openPage, retype, savedJson, startBrowser, tick} from './driver.mjs';

const NATIVE = process.env.ORMANE_NATIVE || new URL('../../../build/bin/ormane', import.meta.url).pathname;
let browser, url, server;

before(async () => ({server, url, browser} = await startBrowser()));
after(async () => {
    await browser.close();
    server.close();
});

const text = async (page, control) => (await label(page, control).textContent());

test('opened with no interaction, the page shows the start-up example', async () => {
    const {page, context, errors} = await openPage(browser, url);
    assert.equal(await text(page, 'EtiPrep'), ' prep = 0.772');
    assert.equal(await box(page, 'Textet(3)').inputValue(), '0.30');
    assert.equal(await box(page, 'Textedf').inputValue(), '9');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.deepEqual(errors, []);
    await context.close();
});

test('typed key by key: fractional df as typed, each key recomputes, a cleared box leaves no result', async () => {
    const {page, context, errors} = await openPage(browser, url);
    await retype(page, 'Textedf', '12.5');
    assert.equal(await box(page, 'Textedf').inputValue(), '12.5');
    await retype(page, 'Textet(1)', '2.5');
    assert.equal(await text(page, 'EtiPrep'), ' prep = 0.949');
    assert.equal(await box(page, 'Textet(2)').inputValue(), '6.25');
    // Retyped after selecting everything: the new number only.
    await retype(page, 'Textet(1)', '-1');
    assert.equal(await box(page, 'Textet(1)').inputValue(), '-1');
    assert.equal(await text(page, 'EtiPrep'), ' prep = 0.754');
    // Emptied: no result from the entries no longer on screen, and the status line says why.
    await retype(page, 'Textet(1)', '');
    assert.equal(await text(page, 'EtiPrep'), '');
    assert.equal(await text(page, 'EtiEtat'), 'enter a value for t');
    assert.deepEqual(errors, []);
    await context.close();
});

// The options of `ormane compute`, typed into the page as a person would.
async function enter(page, words) {
    const option = (name) => {
        const i = words.indexOf(name);
        return i < 0 ? null : words.slice(i + 1, i + 3);
    };
    if (option('--lang')?.[0] === 'fr') await menu(page, 'MenuLanguage', 'MenuLangue(1)');
    const decimals = option('--decimals');
    if (decimals) {
        await box(page, 'Ascenseur').focus();
        for (let n = 3; n < Number(decimals[0]); ++n) await page.keyboard.press('ArrowRight');
    }
    if (option('--alpha')) {
        await tick(page, 'CasePsrep');
        await retype(page, 'Textealpha', option('--alpha')[0]);
    }
    if (option('--alpha-tails')?.[0] === '1') await tick(page, 'OptionAlpha(1)');
    if (option('--gamma')) {
        await tick(page, 'CasePreprep');
        await retype(page, 'TexteGamma', option('--gamma')[0]);
    }
    if (option('--prediction-level')) await retype(page, 'TexteGarantie(1)', option('--prediction-level')[0]);
    const future = option('--future');
    if (future) {
        await tick(page, 'OptionReplique(1)');
        await retype(page, 'Textec', future[0]);
        await retype(page, 'TextedfR', future[1]);
    }
    const statistics = {'--t': 1, '--F': 2, '--p2': 3, '--p1': 4};
    if (option('--df')) await retype(page, 'Textedf', option('--df')[0]);
    for (const [name, index] of Object.entries(statistics)) {
        if (option(name)) await retype(page, `Textet(${index})`, option(name)[0]);
    }
    const effect = option('--d') ? ['0', option('--d')[0]] : option('--raw') ? ['1', option('--raw')[0]] : null;
    if (effect || option('--estimate-level')) await tick(page, 'OptionIC(0)');
    if (option('--estimate-level')) await retype(page, 'TexteGarantie(0)', option('--estimate-level')[0]);
    if (effect) {
        await tick(page, `OptionEffet(${effect[0]})`);
        await retype(page, `TexteEffet(${effect[0]})`, effect[1]);
    }
}

// Within `relative` of the value, or of the larger limit for an interval (a limit near 0 is
// known to that share of the interval's size, not of itself).
function nearlyEqual(a, b, relative = 1e-13) {
    if (a === null || b === null) return a === b;
    if (Array.isArray(a)) {
        const size = Math.max(...a.map(Math.abs), ...b.map(Math.abs));
        return a.length === b.length && a.every((x, i) => Math.abs(x - b[i]) <= relative * size);
    }
    return a === b || Math.abs(a - b) <= relative * Math.max(Math.abs(a), Math.abs(b));
}

// The p limits are Student tails with dfR degrees of freedom at the t limits: they multiply
// the t limits' relative differences (a few units in the last place of the search) by up to
// dfR + 1.
function tolerance(key, entries) {
    return key === 'p_prediction' ? 1e-13 * (Number(entries.dfR) + 1) : 1e-13;
}

test('varied entries give the native program\'s labels digit for digit and its numbers to 1e-13', async () => {
    const lines = readFileSync(new URL('./data/entries.txt', import.meta.url), 'utf8').split('\n')
        .filter((l) => !l.startsWith('#') && l !== undefined);
    const entries = lines.slice(0, lines.length - (lines.at(-1) === '' ? 1 : 0));
    assert.ok(entries.length >= 30);
    const keys = ['prep', 'psrep', 'ppreprep', 't_prediction', 'p_prediction', 'effect_estimate', 'effect_prediction'];
    for (const entry of entries) {
        const words = entry.split(' ').filter((w) => w !== '');
        const native = JSON.parse(execFileSync(NATIVE, ['compute', '--json', ...words],
            {env: {...process.env, QT_QPA_PLATFORM: 'offscreen'}, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore']}));
        const {page, context, errors} = await openPage(browser, url);
        await enter(page, words);
        const web = await savedJson(page);
        for (const key of keys) {
            assert.ok(nearlyEqual(web[key], native[key], tolerance(key, native.entries)),
                `${entry}: ${key} ${web[key]} vs ${native[key]}`);
        }
        assert.deepEqual(web.labels, native.labels, entry);
        assert.equal(web.status, native.status, entry);
        assert.deepEqual(Object.keys(web.unavailable), Object.keys(native.unavailable), entry);
        assert.deepEqual(errors, [], entry);
        await context.close();
    }
});

test('the language switch rewrites every caption and the page\'s language', async () => {
    const {page, context} = await openPage(browser, url);
    await menu(page, 'MenuLanguage', 'MenuLangue(1)');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'fr');
    assert.equal((await box(page, 'BoutonCalculer').textContent()).trim(), 'Calculer');
    assert.match(await text(page, 'EtiRepliqued'), /^prep = probabilité/);
    await menu(page, 'MenuLanguage', 'MenuLangue(0)');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    await context.close();
});

test('the picture shows with its marks, and its choice is kept across a reload', async () => {
    const {page, context} = await openPage(browser, url);
    await menu(page, 'MenuGraphique', 'MenuImage');
    const svg = page.locator('figure.image svg');
    await svg.waitFor();
    assert.match(await svg.getAttribute('aria-label'), /observed 1\.100/);
    assert.ok((await page.locator('figure.image svg polyline').count()) > 3);
    assert.ok(await page.locator('figure.image svg text', {hasText: 'observed'}).count() === 1);
    await page.reload();
    await page.waitForFunction(() => window.ormanePret === true);
    await page.locator('figure.image svg').waitFor();
    await context.close();
});

test('planning: the dialog draws its curve, and Use enters the future experiment once it closes', async () => {
    const {page, context, errors} = await openPage(browser, url);
    await retype(page, 'Textedf', '22');
    await retype(page, 'Textet(1)', '2.5');
    await page.locator('#c-FeuilleOrmane-MenuPlanifier').click();
    const dialog = page.locator('[role="dialog"]:not([hidden])');
    await dialog.waitFor();
    const curve = page.locator('#c-FeuillePlan-CourbePlan svg');
    await curve.waitFor();
    assert.ok((await curve.locator('polyline').count()) > 0, 'the curve is drawn');
    const planned = await page.locator('#c-FeuillePlan-EtiNFutur').textContent();
    const n = Number(planned.match(/[0-9]+/)[0]);
    assert.ok(n > 10, `a future size larger than the observed one: ${planned}`);
    await page.locator('#c-FeuillePlan-BoutonUtiliser').click();
    await dialog.waitFor({state: 'hidden'});
    await page.waitForFunction(() => document.querySelector('#c-FeuilleOrmane-OptionReplique_1_-entree').checked);
    // c as the ratio n'/n the plan found, per cell.
    assert.equal(await box(page, 'Textec').inputValue(), `${n}/12`);
    assert.notEqual(await box(page, 'TextedfR').inputValue(), '');
    assert.notEqual(await text(page, 'EtiPrep'), '');
    assert.deepEqual(errors, []);
    await context.close();
});

test('settings kept across a reload: exit saves them in the browser', async () => {
    const {page, context} = await openPage(browser, url);
    await tick(page, 'CasePsrep');
    await retype(page, 'Textealpha', '0.01');
    await box(page, 'Ascenseur').focus();
    await page.keyboard.press('ArrowRight');
    await box(page, 'BoutonQuitter').click();
    await page.locator('#fenetre button').waitFor();
    await page.reload();
    await page.waitForFunction(() => window.ormanePret === true);
    assert.equal(await text(page, 'EtiDecimales'), 'decimals 4');
    assert.equal(await box(page, 'Textealpha').inputValue(), '0.01');
    await context.close();
});

test('a screen reader gets each box\'s name, each result\'s text, and the dialogs as dialogs', async () => {
    const {page, context} = await openPage(browser, url);
    const cdp = await context.newCDPSession(page);
    const {nodes} = await cdp.send('Accessibility.getFullAXTree');
    const named = (role) => nodes.filter((n) => n.role?.value === role && !n.ignored);
    for (const field of named('textbox')) assert.ok(field.name?.value, 'a text box without a name');
    const status = nodes.find((n) => n.name?.value === ' prep = 0.772' || n.name?.value === 'prep = 0.772');
    assert.ok(status, 'prep is announced by its shown text');
    assert.ok(named('radio').length >= 6);
    await box(page, 'BoutonKprime').click();
    const dialog = page.locator('[role="dialog"]:not([hidden])');
    await dialog.waitFor();
    assert.equal(await dialog.getAttribute('aria-labelledby'), 'titre-FeuilleKprime');
    await page.keyboard.press('Escape');
    await context.close();
});
