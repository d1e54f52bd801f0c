// The web page's figures, in the installed Chromium: the size of the module (raw and gzip),
// the time from navigation to the first results shown (five page loads), and the time of one
// keystroke's call into the model (performance.now around it, every key of a series typed).
// Usage: node bench/web_timing.mjs [build-web/site]   (after bash scripts/web.sh --build-only)
import {createRequire} from 'node:module';
import {readFileSync} from 'node:fs';
import {gzipSync} from 'node:zlib';
import {join} from 'node:path';

const require = createRequire(new URL('../tests/web/browser/package.json', import.meta.url));
const {chromium} = require('playwright-core');
const {serve} = await import('../web/tools/serve.mjs');

const site = process.argv[2] || new URL('../build-web/site', import.meta.url).pathname;
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const m = sorted.length >> 1;
    return sorted.length % 2 ? sorted[m] : (sorted[m - 1] + sorted[m]) / 2;
};

for (const file of ['ormane.wasm', 'ormane.js', 'page.js']) {
    const bytes = readFileSync(join(site, file));
    console.log(`${file}: ${bytes.length} bytes, ${gzipSync(bytes, {level: 9}).length} gzip`);
}

const {server, url} = await serve(site);
const browser = await chromium.launch({executablePath: process.env.ORMANE_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync']});
const loads = [];
const keys = [];
for (let run = 0; run < 5; ++run) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => window.ormanePret === true);
    // From the start of the navigation to the first results written into the page.
    loads.push(await page.evaluate(() => window.ormaneDemarre));
    const df = page.locator('#c-FeuilleOrmane-Textedf');
    await df.click();
    await page.keyboard.press('Control+A');
    for (const key of '24.5') {
        await page.keyboard.press(key === '.' ? 'Period' : key);
        keys.push(await page.evaluate(() => window.ormaneDureeDernierAppel));
    }
    await context.close();
}
console.log(`navigation to first results: median ${median(loads).toFixed(0)} ms ` +
    `(${loads.map((v) => v.toFixed(0)).join(', ')})`);
console.log(`one keystroke's call into the model: median ${median(keys).toFixed(2)} ms, ` +
    `worst ${Math.max(...keys).toFixed(2)} ms over ${keys.length} keys`);
await browser.close();
server.close();
