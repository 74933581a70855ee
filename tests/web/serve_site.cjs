// A static server for the site on a free port of 127.0.0.1, as a plain web
// host would serve it, with Cache-Control: no-store so that nothing is read
// from the HTTP cache behind a test's back. It remembers every path asked for,
// can serve another folder from the same address, can hold back the files a
// pattern names (a slow network for the scripts and the core, not the page),
// can answer 404 to the first requests for some (a deploy half done),
// and really goes away.
const http = require("node:http");
const fs = require("node:fs");
const path = require("node:path");

const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
    ".wasm": "application/wasm", ".svg": "image/svg+xml", ".cat": "text/plain; charset=utf-8" };

function serveSite(root, extra = {}, hold = { files: /^$/, ms: 0 }, failing = { files: /^$/, times: 0 }) {
    const requested = [];
    let failed = 0;
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, "http://127.0.0.1");
        requested.push(url.pathname);
        const name = url.pathname === "/" ? "index.html" : decodeURIComponent(url.pathname.slice(1));
        const body = extra[name] ?? (name.split("/").some((part) => part === "" || part.startsWith(".")) ? null
            : fs.existsSync(path.join(root, name)) ? fs.readFileSync(path.join(root, name)) : null);
        if (body === null || (failing.files.test(name) && failed++ < failing.times)) {
            response.writeHead(404).end();
            return;
        }
        const send = () => {
            response.writeHead(200, { "Content-Type": types[path.extname(name)] ?? "application/octet-stream",
                "Cache-Control": "no-store" });
            response.end(body);
        };
        if (hold.files.test(name))
            setTimeout(send, hold.ms);
        else
            send();
    });
    return new Promise((resolve) => server.listen(0, "127.0.0.1", () =>
        resolve({ origin: `http://127.0.0.1:${server.address().port}`, requested,
            setRoot: (folder) => { root = folder; },
            close: () => new Promise((done) => { server.close(done); server.closeAllConnections(); }) })));
}

module.exports = { serveSite };
