// A static web server on 127.0.0.1 as a school's site would be: files from
// one folder (a folder's address gives its index.html), each with its type,
// gzip-compressed when asked (as static hosts serve them), nothing else.
// Started by each test or benchmark that needs one, on a free port.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml', '.txt': 'text/plain; charset=utf-8',
};

// `root`: the folder; `pages`: extra addresses and their HTML (a page that
// holds the site in a frame); `compress`: gzip where the browser takes it.
export async function serve(folder, { pages = {}, compress = false } = {}) {
  const root = resolve(folder);
  const requests = [];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    requests.push(path);
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405).end();
      return;
    }
    let body, type;
    if (pages[path] !== undefined) {
      [body, type] = [Buffer.from(pages[path]), types['.html']];
    } else {
      const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
      if (file !== root && !file.startsWith(root.endsWith(sep) ? root : root + sep)) {
        response.writeHead(403).end();
        return;
      }
      try {
        body = await readFile(file);
        type = types[extname(file)] || 'application/octet-stream';
      } catch {
        response.writeHead(404).end();
        return;
      }
    }
    const headers = { 'Content-Type': type, 'Cache-Control': 'no-cache' };
    if (compress && /\bgzip\b/.test(request.headers['accept-encoding'] || '') && !type.startsWith('image/png')) {
      body = gzipSync(body, { level: 9 });
      Object.assign(headers, { 'Content-Encoding': 'gzip', Vary: 'Accept-Encoding' });
    }
    headers['Content-Length'] = body.length;
    response.writeHead(200, headers);
    response.end(request.method === 'HEAD' ? undefined : body);
  });
  server.requestTimeout = 30000;
  await new Promise((resolve, reject) => server.listen(0, '127.0.0.1', resolve).on('error', reject));
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    port,
    requests,
    stop: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}
