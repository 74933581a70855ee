// The web edition's three budgets, measured in headless Chromium against the
// built site (make bench):
//  1. a first visit in one language transfers at most 48 KB, gzip -9;
//  2. the entry form paints before the module has loaded: first contentful
//     paint against a copy of the page without its scripts, 20 loads each,
//     interleaved, medians and their ratio;
//  3. a reading appears within one frame of the click: the median from the
//     click to the painted result over 50 clicks.
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
        for (const language of ["en", "de", "fr", "es"]) {
            server.requested.length = 0;
            const visit = await browser.newPage();
            await visit.goto(`${server.origin}/?lang=${language}`);
            await visit.waitForSelector("html[data-ready]");
            await visit.close();
            const names = [...new Set(server.requested)].map((p) => (p === "/" ? "index.html" : p.slice(1)));
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
            const result = document.getElementById("result");
            const painted = () => new Promise((resolve) => requestAnimationFrame(() => {
                const channel = new MessageChannel();  // runs after the frame's paint
                channel.port1.onmessage = () => resolve(performance.now());
                channel.port2.postMessage(null);
            }));
            const times = [];
            for (let i = 0; i < 50; ++i) {
                const start = performance.now();
                document.getElementById("get-reading").click();
                let end = await painted();
                while (result.hidden)
                    end = await painted();
                times.push(end - start);
                document.getElementById("back").click();
                await painted();
            }
            return times;
        });
        const frame = 1000 / 60;
        console.log(`3. click to painted reading: median ${median(times).toFixed(1)} ms over 50 clicks ` +
            `(one frame is ${frame.toFixed(1)} ms): ${median(times) <= frame ? "within" : "OVER"} one frame`);
    } finally {
        await browser.close();
        await server.close();
    }
}

main().catch((error) => { console.error(error); process.exit(1); });
