// The web edition's three budgets, measured in headless Chromium against the
// built site (make bench):
//  1. a first visit in one language transfers at most 48 KB, gzip -9;
//  2. the entry form paints before the module has loaded: first contentful
//     paint against a copy of the page without its scripts, 20 loads each,
//     interleaved, medians and their ratio;
//  3. a reading appears within one frame of the click: the median from the
//     click to the painted result over 50 clicks;
//  4. everything the service worker keeps for offline use, install icons
//     included, comes to at most 128 KB, gzip -9;
//  5. a second visit asks the server only for the page and the worker.
// Usage: node web_budgets.cjs BUILD_WEB_DIR (NODE_PATH at the npm tools)
const fs = require("node:fs");
const path = require("node:path");
const zlib = require("node:zlib");
const { launch } = require("../tests/web/browsers.cjs");
const { serveSite } = require("../tests/web/serve_site.cjs");

const [buildWeb] = process.argv.slice(2);
const siteDir = path.join(buildWeb, "site");
const budgetBytes = 48 * 1000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const gzipped = (name) => zlib.gzipSync(fs.readFileSync(path.join(siteDir, name)), { level: 9 }).length;

// Every language the site speaks, as its build listed them for the page.
function siteLanguages() {
    const built = fs.readdirSync(siteDir).find((name) => /^built\.[0-9a-f]{10}\.js$/.test(name));
    const textFiles = fs.readFileSync(path.join(siteDir, built), "utf8").match(/textFiles = (\{[^}]*\})/)[1];
    return Object.keys(JSON.parse(textFiles)).sort((a, b) => (a === "en" ? -1 : b === "en" ? 1 : 0));
}

async function firstContentfulPaint(browser, address) {
    const page = await browser.newPage();
    await page.goto(address, { waitUntil: "load" });
    const fcp = await page.evaluate(() => new Promise((resolve) => {
        new PerformanceObserver((entries) => {
            const paint = entries.getEntries().find((e) => e.name === "first-contentful-paint");
            if (paint)
                resolve(paint.startTime);
        }).observe({ type: "paint", buffered: true });
    }));
    await page.close();
    return fcp;
}

async function main() {
    const page = fs.readFileSync(path.join(siteDir, "index.html"), "utf8");
    const noScript = page.replace(/<script\b[^>]*><\/script>\n?/g, "");
    const server = await serveSite(siteDir, { "no-script.html": noScript });
    const browser = await launch("chromium");
    try {
        console.log("Web edition budgets (headless Chromium)");
        let worst = 0;
        for (const language of siteLanguages()) {
            // What the page itself fetched, and its icon. The service worker's own fetches, which
            // keep the whole site for later and start only once the page has loaded, are not
            // counted, nor the manifest and install icons the browser fetches to offer installing
            // the page: they are in the budget of what is kept for offline use.
            const visit = await browser.newPage();
            await visit.goto(`${server.origin}/?lang=${language}`);
            await visit.waitForSelector("html[data-ready]");
            const fetched = await visit.evaluate(() => [document.querySelector("link[rel=icon]").href,
                ...performance.getEntriesByType("resource").map((entry) => entry.name)]);
            await visit.close();
            const names = ["index.html", ...new Set(fetched.map((url) => new URL(url).pathname.slice(1)))]
                .filter((name) => !/\.(webmanifest|png)$/.test(name));
            const bytes = names.reduce((sum, name) => sum + gzipped(name), 0);
            worst = Math.max(worst, bytes);
            console.log(`  first visit in ${language}: ${names.length} files, ${(bytes / 1000).toFixed(1)} KB gzip -9`);
        }
        console.log(`1. first visit: at most ${(worst / 1000).toFixed(1)} KB of ${budgetBytes / 1000} KB: ${worst <= budgetBytes ? "within" : "OVER"} budget`);

        const withScripts = [], without = [];
        for (let i = 0; i < 20; ++i) {
            withScripts.push(await firstContentfulPaint(browser, `${server.origin}/`));
            without.push(await firstContentfulPaint(browser, `${server.origin}/no-script.html`));
        }
        const ratio = median(withScripts) / median(without);
        console.log(`2. first contentful paint: ${median(withScripts).toFixed(1)} ms with the module, ` +
            `${median(without).toFixed(1)} ms without scripts (medians of 20): ratio ${ratio.toFixed(2)}`);

        const reading = await browser.newPage();
        await reading.goto(`${server.origin}/`);
        await reading.waitForSelector("html[data-ready]");
        const times = await reading.evaluate(async () => {
            document.getElementById("name").value = "ALEX MORGAN";
            document.getElementById("partner-name").value = "SAM RIVERS";
            // The dates start on their empty choices, which a reading refuses.
            for (const [id, value] of [["day", "7"], ["month", "3"], ["year", "1975"],
                ["partner-day", "23"], ["partner-month", "11"], ["partner-year", "1978"]])
                document.getElementById(id).value = value;
            const result = document.getElementById("result");
            const painted = () => new Promise((resolve) => requestAnimationFrame(() => {
                const channel = new MessageChannel();  // runs after the frame's paint
                channel.port1.onmessage = () => resolve(performance.now());
                channel.port2.postMessage(null);
            }));
            const times = [], frames = [];
            for (let i = 0; i < 50; ++i) {
                const start = performance.now();
                document.getElementById("get-reading").click();
                let end = await painted();
                let count = 1;
                for (; result.hidden; ++count)
                    end = await painted();
                times.push(end - start);
                frames.push(count);
                document.getElementById("back").click();
                await painted();
            }
            return { times, frames };
        });
        // The time to the next paint is a frame whatever happens in it, so what is counted is
        // whether the reading is on that first paint after the click.
        const onFirstFrame = times.frames.filter((count) => count === 1).length;
        console.log(`3. click to painted reading: median ${median(times.times).toFixed(1)} ms over 50 clicks, ` +
            `on the first frame after the click in ${onFirstFrame} of 50: ` +
            `${median(times.frames) === 1 ? "within" : "OVER"} one frame`);

        // Everything the service worker keeps (the page, all four languages, the install icons).
        const worker = fs.readFileSync(path.join(siteDir, "sw.js"), "utf8");
        const kept = JSON.parse(worker.match(/const files = (\[[^\]]*\])/)[1]).map((f) => (f === "./" ? "index.html" : f));
        const keptBytes = kept.reduce((sum, name) => sum + gzipped(name), 0);
        const icons = kept.filter((name) => name.endsWith(".png"));
        console.log(`4. kept for offline use: ${kept.length} files, ${(keptBytes / 1000).toFixed(1)} KB gzip -9 of 128 KB ` +
            `(install icons ${icons.map((name) => `${name} ${(fs.statSync(path.join(siteDir, name)).size / 1000).toFixed(1)} KB`).join(", ")}; ` +
            `the worker itself ${(gzipped("sw.js") / 1000).toFixed(1)} KB): ${keptBytes <= 128 * 1000 ? "within" : "OVER"} budget`);

        // A second visit, once the worker has everything: only the page and the worker's update check.
        const first = await browser.newPage();
        await first.goto(`${server.origin}/`);
        await first.waitForFunction(async () => (await navigator.serviceWorker.getRegistration())?.active?.state === "activated");
        await first.close();
        server.requested.length = 0;
        const second = await browser.newPage();
        await second.goto(`${server.origin}/`);
        await second.waitForSelector("html[data-ready]");
        await new Promise((resolve) => setTimeout(resolve, 1000));
        await second.close();
        const asked = [...server.requested];
        const onlyPageAndWorker = asked.every((p) => p === "/" || p === "/sw.js");
        console.log(`5. second visit: ${asked.length} request${asked.length === 1 ? "" : "s"} (${asked.join(" ")}): ` +
            `${onlyPageAndWorker ? "only the page and the worker's update check" : "MORE than the page and the worker"}`);
    } finally {
        await browser.close();
        await server.close();
    }
}

main().catch((error) => { console.error(error); process.exit(1); });
