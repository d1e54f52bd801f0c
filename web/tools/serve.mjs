// Serves a folder of static files on 127.0.0.1, as any static web server would: the web page
// needs nothing more. Usage: node web/tools/serve.mjs FOLDER [PORT]   (prints the address)
import {createServer} from 'node:http';
import {readFile, stat} from 'node:fs/promises';
import {extname, join, normalize, resolve, sep} from 'node:path';
import {fileURLToPath} from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.json': 'application/json',
};

export function serve(folder, port = 0) {
    const root = resolve(folder);
    const server = createServer(async (request, response) => {
        try {
            const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
            let file = normalize(join(root, path));
            if (file !== root && !file.startsWith(root + sep)) throw new Error('outside');
            if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
            const body = await readFile(file);
            response.writeHead(200, {'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-cache'});
            response.end(request.method === 'HEAD' ? undefined : body);
        } catch (e) {
            response.writeHead(404, {'Content-Type': 'text/plain'});
            response.end('not found');
        }
    });
    return new Promise((done) => server.listen(port, '127.0.0.1', () => {
        done({server, url: `http://127.0.0.1:${server.address().port}/`});
    }));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [folder = 'build-web/site', port = '8080'] = process.argv.slice(2);
    const {url} = await serve(folder, Number(port));
    console.log(`Ormane is served at ${url} (Ctrl+C stops it)`);
}
