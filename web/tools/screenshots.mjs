// The README's pictures of the web page: each language at 1280 and 390 pixels wide, every
// result ticked and the picture shown, as docs/screenshots/web-<language>-<width>.png.
// Usage: node web/tools/screenshots.mjs [build-web/site]   (after bash scripts/web.sh --build-only)
import {createRequire} from 'node:module';

const require = createRequire(new URL('../../tests/web/browser/package.json', import.meta.url));
const {chromium} = require('playwright-core');
const {serve} = await import('./serve.mjs');

const site = process.argv[2] || new URL('../../build-web/site', import.meta.url).pathname;
const out = new URL('../../docs/screenshots/', import.meta.url).pathname;
const {server, url} = await serve(site);
const browser = await chromium.launch({executablePath: process.env.ORMANE_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync']});
for (const language of ['en', 'fr']) {
    for (const width of [1280, 390]) {
        // The stored language, as the program keeps it: 1 English, 0 French; the picture shown.
        const settings = JSON.stringify({'ormane/Options/L': language === 'en' ? '1' : '0',
            'ormane/Options/Image': '1', 'ormane/Options/EchelleImage': '0'});
        const context = await browser.newContext({viewport: {width, height: 800}, deviceScaleFactor: 1,
            locale: language === 'en' ? 'en-GB' : 'fr-FR'});
        await context.addInitScript((s) => localStorage.setItem('ormane-settings', s), settings);
        const page = await context.newPage();
        await page.goto(url);
        await page.waitForFunction(() => window.ormanePret === true);
        for (const id of ['CasePsrep', 'CasePreprep', 'OptionIC_0_', 'OptionIC_1_']) {
            const box = page.locator(`#c-FeuilleOrmane-${id}-entree`);
            if (!(await box.isChecked())) await box.click();
        }
        await page.locator('body').click({position: {x: 2, y: 2}});
        await page.screenshot({path: `${out}web-${language}-${width}.png`, fullPage: true});
        await context.close();
    }
}
await browser.close();
server.close();
console.log('docs/screenshots/web-{en,fr}-{1280,390}.png');
