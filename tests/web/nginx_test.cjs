// The built site through web/nginx/amorist.conf, started by web/nginx/run-nginx.sh as
// `make run-web-nginx` starts it, asked with plain HTTP: what every answer carries, what may be
// kept and for how long, what never goes out; then the page in Chromium, which must not complain
// about the server's headers.
// Usage: node nginx_test.cjs BUILD_WEB_DIR
const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const { startNginx } = require("./app_rows.cjs");
const { launch } = require("./browsers.cjs");

const buildWeb = path.resolve(process.argv[2]);
const scratch = path.join(buildWeb, "nginx-test");
const site = path.join(scratch, "site");
const immutable = "public, max-age=31536000, immutable";

// What a careless upload brings along with the site.
const leftovers = [".env", ".git/config", "index.html~", "index.html.bak", "index.html.swp", ".index.html.swp", "old/.htpasswd",
    ".well-known/security.txt", ".well-known/"];

function request(origin, pathname, { method = "GET", headers = {} } = {}) {
    return new Promise((resolve, reject) => {
        const asked = http.request(`${origin}${pathname}`, { method, headers, agent: false }, (response) => {
            const chunks = [];
            response.on("data", (chunk) => chunks.push(chunk));
            response.on("end", () => {
                const names = response.rawHeaders.filter((_, i) => i % 2 === 0).map((name) => name.toLowerCase());
                resolve({ status: response.statusCode, headers: response.headers, names,
                    body: Buffer.concat(chunks).toString("utf8") });
            });
        });
        asked.on("error", reject).end();
    });
}

// What every answer carries, whatever its status.
function answerProblems(answer) {
    const problems = [];
    const repeated = answer.names.filter((name, i) => answer.names.indexOf(name) !== i);
    if (repeated.length)
        problems.push(`headers sent twice: ${[...new Set(repeated)].join(", ")}`);
    if (answer.headers.server !== "nginx")
        problems.push(`Server: ${answer.headers.server}`);
    if (!/frame-ancestors 'none'/.test(answer.headers["content-security-policy"]) || answer.headers["x-content-type-options"] !== "nosniff")
        problems.push("the server's own headers are missing");
    if (/web-share|clipboard-write/.test(answer.headers["permissions-policy"]))
        problems.push("Permissions-Policy turns off sharing or copying a picture");
    if (answer.status >= 400) {
        if (answer.headers["cache-control"] !== "no-store")
            problems.push(`an error may be kept: Cache-Control ${answer.headers["cache-control"]}`);
        if (!/^text\/html/.test(answer.headers["content-type"]) || !/<title>Amorist/.test(answer.body)
            || /<script|<style|style=|nginx/i.test(answer.body))
            problems.push(`not the site's own error page: ${answer.body.replace(/\s+/g, " ").slice(0, 80)}`);
    }
    return problems;
}

async function headerRows(origin) {
    const worker = fs.readFileSync(path.join(site, "sw.js"), "utf8");
    const hashed = JSON.parse(worker.match(/const files = (\[[^\]]*\])/)[1]).find((name) => /\.js$/.test(name));
    const missing = hashed.replace(/\.[0-9a-f]{10}\./, ".0123456789.");
    const { etag } = (await request(origin, `/${hashed}`)).headers;
    // [what, path, request, status, Cache-Control of a success]
    return [
        ["the page", "/", {}, 200, "no-cache"],
        ["the service worker", "/sw.js", {}, 200, "no-cache"],
        ["a hashed file", `/${hashed}`, {}, 200, immutable],
        ["a hashed file, unchanged since the last visit", `/${hashed}`, { headers: { "If-None-Match": etag } }, 304, immutable],
        ["the start of a hashed file", `/${hashed}`, { headers: { Range: "bytes=0-9" } }, 200, immutable],
        ["a range past a hashed file's end", `/${hashed}`, { headers: { Range: "bytes=99999999-" } }, 200, immutable],
        ["a hashed file not uploaded yet", `/${missing}`, {}, 404],
        ["the error page's own address", "/amorist-not-found", {}, 404],
        ["a POST", "/", { method: "POST" }, 405],
        ["a failed precondition", "/", { headers: { "If-Match": '"another"' } }, 412],
        ...leftovers.map((name) => [`a leftover: ${name}`, `/${name}`, {}, 404]),
    ];
}

// Chromium names every Permissions-Policy feature it does not know in a console message.
async function pageWarnings(origin) {
    const browser = await launch("chromium");
    try {
        const page = await browser.newPage();
        const messages = [];
        page.on("console", (message) => messages.push(message.text()));
        await page.goto(`${origin}/`);
        await page.waitForSelector("html[data-ready]");
        return messages.filter((text) => /Permissions-Policy|Unrecognized feature/i.test(text));
    } finally {
        await browser.close();
    }
}

async function main() {
    fs.rmSync(scratch, { recursive: true, force: true });
    fs.cpSync(path.join(buildWeb, "site"), site, { recursive: true });
    for (const name of leftovers.filter((name) => !name.endsWith("/"))) {
        fs.mkdirSync(path.dirname(path.join(site, name)), { recursive: true });
        fs.writeFileSync(path.join(site, name), "not for the world\n");
    }
    const nginx = startNginx(site, path.join(scratch, "prefix"));
    let failed = 0;
    const report = (what, problems) => {
        failed += problems.length > 0;
        console.log(problems.length ? `FAILED: ${what}: ${problems.join("; ")}` : `ok: ${what}`);
    };
    try {
        const origin = await nginx.origin;
        const rows = await headerRows(origin);
        for (const [what, pathname, options, status, cacheControl] of rows) {
            const answer = await request(origin, pathname, options);
            const problems = answerProblems(answer);
            if (answer.status !== status)
                problems.unshift(`status ${answer.status}, expected ${status}`);
            if (cacheControl && answer.headers["cache-control"] !== cacheControl)
                problems.push(`Cache-Control ${answer.headers["cache-control"]}, expected ${cacheControl}`);
            report(what, problems);
        }
        report("the page in Chromium: no warning about the server's headers", await pageWarnings(origin));
        console.log(`nginx: ${rows.length + 1 - failed} of ${rows.length + 1} passed`);
    } finally {
        nginx.stop();
    }
    process.exit(failed === 0 ? 0 : 1);
}

main().catch((error) => { console.error(error); process.exit(1); });
