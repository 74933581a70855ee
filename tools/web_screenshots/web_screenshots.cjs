// Renders the web edition in Chromium and Firefox ESR, at a phone's 320 px and
// a desktop's 1024 px, in every language: the entries with a couple filled in,
// the reading, About and refer-a-friend.
// Usage: node web_screenshots.cjs BUILD_WEB_DIR OUT_DIR (NODE_PATH at the npm tools)
const fs = require("node:fs");
const path = require("node:path");
const { launch } = require("../../tests/web/browsers.cjs");
const { serveSite } = require("../../tests/web/serve_site.cjs");

const [buildWeb, out] = process.argv.slice(2);

async function main() {
    fs.mkdirSync(out, { recursive: true });
    const server = await serveSite(path.join(buildWeb, "site"));
    for (const browserName of ["chromium", "firefox"]) {
        const browser = await launch(browserName);
        for (const language of ["en", "de", "fr", "es"]) {
            for (const width of [320, 1024]) {
                const page = await browser.newPage();
                await page.setViewport({ width, height: width === 320 ? 640 : 768 });
                await page.goto(`${server.origin}/?lang=${language}`);
                await page.waitForSelector("html[data-ready]");
                // The promotion in front is drawn at random; the pictures show the same one each time.
                await page.evaluate(() => {
                    for (const link of document.querySelectorAll(".promotion a"))
                        link.classList.toggle("in-front", link.classList.contains("fullbrand"));
                });
                const shot = (view) => page.screenshot({ fullPage: true,
                    path: path.join(out, `${browserName}-${language}-${width}-${view}.png`) });
                await page.type("#name", "ALEX MORGAN");
                await page.select("#day", "7");
                await page.select("#month", "3");
                await page.select("#year", "1975");
                await page.type("#partner-name", "SAM RIVERS");
                await page.select("#partner-day", "23");
                await page.select("#partner-month", "11");
                await page.select("#partner-year", "1978");
                await page.evaluate(() => document.activeElement.blur());
                await shot("entries");
                await page.click("#get-reading");
                await page.waitForSelector("#result:not([hidden])");
                await page.evaluate(() => document.activeElement.blur());
                await shot("reading");
                await page.click("#back");
                for (const dialog of ["about", "refer"]) {
                    await page.click(`#open-${dialog}`);
                    await page.evaluate(() => document.activeElement.blur());
                    await shot(dialog);
                    await page.keyboard.press("Escape");
                }
                await page.close();
            }
        }
        await browser.close();
    }
    await server.close();
    console.log(`web screenshots in ${out}`);
}

main().catch((error) => { console.error(error); process.exit(1); });
