// Drives the web page in the installed Chromium (playwright-core, no browser download) the
// way a person does: real key presses and clicks on the page's own elements.
import {chromium} from 'playwright-core';
import {serve} from '../../../web/tools/serve.mjs';

export const SITE = process.env.ORMANE_SITE || new URL('../../../build-web/site', import.meta.url).pathname;
const CHROMIUM = process.env.ORMANE_CHROMIUM || '/usr/bin/chromium';
// Run as root in a closed network: no sandbox, and none of the background connections a
// closed network refuses.
const FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export async function startBrowser() {
    const {server, url} = await serve(SITE);
    const browser = await chromium.launch({executablePath: CHROMIUM, args: FLAGS});
    return {server, url, browser};
}

// A page of its own (its own storage), open on Ormane with its first results shown; every
// console error and uncaught exception is kept in `errors`.
export async function openPage(browser, url, {width = 1280, height = 900, locale = 'en-GB', storage} = {}) {
    const context = await browser.newContext({viewport: {width, height}, locale, acceptDownloads: true});
    if (storage) await context.addInitScript((s) => localStorage.setItem('ormane-settings', s), storage);
    const page = await context.newPage();
    const errors = [];
    page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
    page.on('pageerror', (e) => errors.push('uncaught: ' + e.message));
    await page.goto(url);
    await page.waitForFunction(() => window.ormanePret === true, null, {timeout: 30000});
    return {page, context, errors};
}

const idOf = (control) => '#c-FeuilleOrmane-' + control.replace(/[()]/g, '_');

export const box = (page, control) => page.locator(idOf(control));
export const label = (page, control) => page.locator(idOf(control));
// The input of a radio button or check box.
export const choice = (page, control) => page.locator(idOf(control) + '-entree');

// Replaces a box's text as a person does: a click into it, Ctrl+A, then each key.
export async function retype(page, control, text) {
    const b = box(page, control);
    await b.click();
    await page.keyboard.press('Control+A');
    if (text === '') await page.keyboard.press('Delete');
    else await page.keyboard.type(text);
}

export async function tick(page, control, ticked = true) {
    const c = choice(page, control);
    if ((await c.isChecked()) !== ticked) await c.click();
}

// A menu of the menu bar, then one of its items, by the item's caption in plain words.
export async function menu(page, menuControl, itemControl) {
    await page.locator(idOf(menuControl)).click();
    await page.locator(`.liste-menu [data-controle="${itemControl}"]`).click();
}

// Results > Save results... > JSON: the file the page offers to download, parsed.
export async function savedJson(page) {
    await menu(page, 'MenuResultats', 'MenuEnregistrerResultats');
    const [download] = await Promise.all([
        page.waitForEvent('download'),
        page.locator('.dialogue.format button', {hasText: 'JSON'}).click(),
    ]);
    const stream = await download.createReadStream();
    let text = '';
    for await (const chunk of stream) text += chunk;
    return JSON.parse(text);
}
