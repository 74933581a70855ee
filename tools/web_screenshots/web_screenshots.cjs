// Renders the web edition as a person sees it, in Chromium and Firefox ESR, at a phone's 375 px
// and a desktop's 1280 px, light and dark: in English and German every view (the entries filled
// in, a refusal, the reading, About and refer-a-friend), in French and Spanish the reading on a
// phone. Also the README's pictures, into OUT_DIR/readme/.
// Usage: node web_screenshots.cjs BUILD_WEB_DIR OUT_DIR (NODE_PATH at the npm tools)
const fs = require("node:fs");
const path = require("node:path");
const { launch } = require("../../tests/web/browsers.cjs");
const { serveSite } = require("../../tests/web/serve_site.cjs");

const [buildWeb, out] = process.argv.slice(2);
const allViews = ["entries", "refusal", "reading", "about", "refer"];
// language, width, views
const renders = [["en", 375, allViews], ["en", 1280, allViews], ["de", 375, allViews], ["de", 1280, allViews],
    ["fr", 375, ["reading"]], ["es", 375, ["reading"]]];
// The README's pictures: which render of Chromium's each is.
const readme = { "desktop-entries": "light-en-1280-entries", "desktop-reading": "light-en-1280-reading",
    "desktop-reading-dark": "dark-en-1280-reading", "phone-entries": "light-en-375-entries",
    "phone-reading-dark": "dark-en-375-reading", "phone-reading-de": "light-de-375-reading" };

async function fill(page) {
    await page.type("#name", "Françoise Morgan");
    await page.select("#day", "7");
    await page.select("#month", "3");
    await page.select("#year", "1975");
    await page.type("#partner-name", "Sam Rivers");
    await page.select("#partner-day", "23");
    await page.select("#partner-month", "11");
    await page.select("#partner-year", "1978");
}

async function render(browser, browserName, origin, scheme, [language, width, views]) {
    const page = await browser.newPage();
    await page.setViewport({ width, height: width < 600 ? 740 : 860 });
    await page.goto(`${origin}/?lang=${language}`);
    await page.waitForSelector("html[data-ready]");
    if (browserName === "chromium")
        await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: scheme }]);
    // The promotion in front is drawn at random; the pictures show the same one each time.
    await page.evaluate(() => {
        for (const link of document.querySelectorAll(".promotion a"))
            link.classList.toggle("in-front", link.classList.contains("fullbrand"));
    });
    const shot = async (view) => {
        if (!views.includes(view))
            return;
        await page.evaluate(() => Promise.all(document.getAnimations().map((a) => a.finished)));
        await page.evaluate(() => document.activeElement.blur());
        // A dialog is drawn over the screen, not the page: it is shown as the screen shows it.
        await page.screenshot({ fullPage: !["about", "refer"].includes(view),
            path: path.join(out, `${browserName}-${scheme}-${language}-${width}-${view}.png`) });
    };
    await fill(page);
    await shot("entries");
    await page.click("#get-reading");
    await page.waitForSelector("#result:not([hidden])");
    await shot("reading");
    await page.click("#back");
    for (const dialog of ["about", "refer"]) {
        await page.click(`#open-${dialog}`);
        await shot(dialog);
        await page.keyboard.press("Escape");
    }
    // A refusal: the partner's name taken out again.
    await page.$eval("#partner-name", (box) => { box.value = ""; });
    await page.click("#get-reading");
    await page.waitForFunction(() => document.getElementById("alert").textContent !== "");
    await shot("refusal");
    await page.close();
}

async function main() {
    fs.mkdirSync(path.join(out, "readme"), { recursive: true });
    const server = await serveSite(path.join(buildWeb, "site"));
    for (const browserName of ["chromium", "firefox"]) {
        for (const scheme of ["light", "dark"]) {
            const browser = await launch(browserName, "en-US,en", scheme);
            for (const one of renders)
                await render(browser, browserName, server.origin, scheme, one);
            await browser.close();
        }
    }
    await server.close();
    for (const [name, render] of Object.entries(readme))
        fs.copyFileSync(path.join(out, `chromium-${render}.png`), path.join(out, "readme", `${name}.png`));
    console.log(`web screenshots in ${out}`);
}

main().catch((error) => { console.error(error); process.exit(1); });
