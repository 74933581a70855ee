// Rows of the browser test for the web edition as an app: Chromium's installability report, a
// reload with the server really gone (it sent Cache-Control: no-store while it ran), a new build
// replacing an old one without mixing their files, and a run through the README's nginx config.
const { execFileSync, spawn } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const { serveSite } = require("./serve_site.cjs");

const source = path.join(__dirname, "..", "..");
const nginxDir = path.join(source, "web", "nginx");

// The site's build and files, as its service worker lists them.
function builtSite(dir) {
    const worker = fs.readFileSync(path.join(dir, "sw.js"), "utf8");
    return { dir, build: worker.match(/const build = '(\w+)'/)[1],
        files: JSON.parse(worker.match(/const files = (\[[^\]]*\])/)[1]) };
}

// The same site with its scripts and style changed, finished as a new version is.
function nextVersion(buildWeb) {
    const plain = path.join(buildWeb, "app-test", "next-plain");
    fs.rmSync(plain, { recursive: true, force: true });
    fs.cpSync(path.join(buildWeb, "site-plain"), plain, { recursive: true });
    for (const name of fs.readdirSync(plain).filter((n) => /\.(js|css)$/.test(n)))
        fs.appendFileSync(path.join(plain, name), "\n/* the next version */\n");
    const dir = path.join(buildWeb, "app-test", "next");
    execFileSync("node", [path.join(source, "web", "app", "finish-site.mjs"), plain, dir,
        path.join(source, "resources", "amorist.svg"), path.join(nginxDir, "amorist.conf")]);
    return builtSite(dir);
}

// The build's worker has cached it and taken over.
const workerActive = (page, build = "") => page.waitForFunction(async (build) => {
    const registration = await navigator.serviceWorker.getRegistration();
    return registration?.active?.state === "activated" && !registration.installing && !registration.waiting
        && (await caches.keys()).some((name) => name.endsWith(build));
}, { polling: 100, timeout: 20000 }, build);
const loadedFiles = (page) => page.evaluate(() =>
    performance.getEntriesByType("resource").map((entry) => new URL(entry.name).pathname.slice(1)));

function get(url) {
    return new Promise((resolve, reject) => require("node:http").get(url, { headers: { "Accept-Encoding": "gzip" } },
        (response) => { response.resume(); resolve(response.headers); }).on("error", reject));
}

function startNginx(site, prefix) {
    const nginx = spawn(path.join(nginxDir, "run-nginx.sh"), [site, prefix], { stdio: ["ignore", "pipe", "inherit"] });
    const origin = new Promise((resolve, reject) => {
        nginx.stdout.on("data", (data) => {
            const address = String(data).match(/http:\/\/[\d.:]+/);
            if (address)
                resolve(address[0]);
        });
        nginx.on("exit", (code) => reject(new Error(`nginx ended with status ${code}`)));
    });
    return { origin, stop: () => nginx.kill() };
}

function appRows({ browserName, buildWeb, open, check, axe, readingWorks }) {
    const site = path.join(buildWeb, "site");
    const offline = (language) => [`offline after one visit in ${language}: a reload and every language`,
        async (context) => {
            const server = await serveSite(site);
            const page = await open({ ...context, server }, `?lang=${language}`);
            await readingWorks(page, language);
            await workerActive(page);
            await server.close();
            await page.reload();
            await page.waitForSelector("html[data-ready]");
            await readingWorks(page, language);
            for (const other of ["en", "de", "fr", "es"]) {
                await page.goto(`${server.origin}/?lang=${other}`);
                await page.waitForSelector("html[data-ready]");
                await readingWorks(page, other);
            }
        }];
    const rows = [
        offline("en"),
        offline("de"),
        ["offline, a deeper address gets the page at its own address, with its styles and scripts", async (context) => {
            const server = await serveSite(site);
            const page = await open({ ...context, server });
            await workerActive(page);
            await server.close();
            await page.goto(`${server.origin}/some/deep/path?lang=fr`);
            await page.waitForSelector("html[data-ready]", { timeout: 10000 });
            check(new URL(page.url()).pathname === "/", `the page stays at ${page.url()}`);
            await readingWorks(page, "fr");
        }],
        ["a new build replaces an old one, and a tab of the old one keeps working", async (context) => {
            const first = builtSite(site);
            const next = nextVersion(buildWeb);
            const server = await serveSite(site);
            const old = await open({ ...context, server });
            await workerActive(old);
            server.setRoot(next.dir);
            const fresh = await open({ ...context, server });
            await workerActive(fresh, `amorist-${next.build}`);
            // German was never loaded in the old tab, and the server no longer has the old build's.
            await old.bringToFront();
            await old.select("#language", "de");
            await readingWorks(old, "de");
            const oldFiles = await loadedFiles(old);
            check(oldFiles.every((file) => first.files.includes(file)), `the old tab mixed in new files: ${oldFiles}`);
            await server.close();
            await fresh.bringToFront();
            await fresh.reload();
            await fresh.waitForSelector("html[data-ready]");
            await readingWorks(fresh, "en");
            const freshFiles = await loadedFiles(fresh);
            check(freshFiles.every((file) => next.files.includes(file)), `offline, the new page mixed in old files: ${freshFiles}`);
        }],
        ["through the README's nginx config: headers, types, gzip, and the page", async (context) => {
            const nginx = startNginx(site, path.join(buildWeb, `nginx-${browserName}`));
            try {
                const origin = await nginx.origin;
                const page = await get(`${origin}/`);
                check(/frame-ancestors 'none'/.test(page["content-security-policy"]), "no frame-ancestors in the policy");
                check(page["x-content-type-options"] === "nosniff" && page["referrer-policy"] === "no-referrer"
                    && /camera=\(\)/.test(page["permissions-policy"]), `headers of the page: ${JSON.stringify(page)}`);
                check(page["cache-control"] === "no-cache", `the page's Cache-Control: ${page["cache-control"]}`);
                check((await get(`${origin}/sw.js`))["cache-control"] === "no-cache", "the service worker is cached");
                for (const file of builtSite(site).files.filter((name) => name !== "./")) {
                    const headers = await get(`${origin}/${file}`);
                    check(headers["cache-control"] === "public, max-age=31536000, immutable", `${file} is not kept for a year`);
                    check(headers["x-content-type-options"] === "nosniff", `${file} lost the server's headers`);
                    check(!file.endsWith(".wasm") || headers["content-type"] === "application/wasm", `${file}: ${headers["content-type"]}`);
                    check(!/\.(js|css|wasm|cat)$/.test(file) || headers["content-encoding"] === "gzip", `${file} is not compressed`);
                }
                const tab = await open({ ...context, server: { origin } }, "?lang=fr");
                await readingWorks(tab, "fr");
                await axe(tab, "the reading under the server's policy");
            } finally {
                nginx.stop();
            }
        }],
    ];
    if (browserName === "chromium") {
        rows.unshift(["Chromium's manifest report: installable, no errors", async (context) => {
            const server = await serveSite(site);
            const page = await open({ ...context, server });
            await workerActive(page);
            const cdp = await page.createCDPSession();
            const { errors } = await cdp.send("Page.getAppManifest");
            const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
            check(errors.length === 0 && installabilityErrors.length === 0,
                `manifest: ${JSON.stringify(errors)}, installability: ${JSON.stringify(installabilityErrors)}`);
            await server.close();
        }]);
    }
    return rows;
}

module.exports = { appRows, startNginx, workerActive };
