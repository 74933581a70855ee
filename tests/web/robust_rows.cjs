// Rows of the browser test for a page that keeps working whatever happens to it: clicks before its
// scripts arrive, a core that loads slowly or not at all, names of a million letters, a quick
// run through the languages, a refer-a-friend field of a megabyte, a page zoomed to 400%,
// forced colours and JavaScript turned off.
const path = require("node:path");
const { serveSite } = require("./serve_site.cjs");

// The page's first script and the core: nothing of the page's runs before they come, and
// what they import later is not held back again.
const scriptsAndCore = /^(app|amorist)\.[0-9a-f]+\.(js|wasm)$/;
const core = /\.wasm$/;
const million = "A".repeat(1 << 20);

function robustRows({ browserName, buildWeb, open, check, readingWorks, expectReading, expectRefusal, enter, names }) {
    const site = path.join(buildWeb, "site");
    const slowly = async (context, files, ms, query = "", options = {}) => {
        const server = await serveSite(site, {}, { files, ms });
        context.closing = () => server.close();
        return open({ ...context, server }, query, { wait: false, ...options });
    };
    const buttonText = (page) => page.$eval("#get-reading", (e) => `${e.textContent}|${e.getAttribute("aria-label")}`);
    const alertSays = (page, message) => page.waitForFunction(
        (m) => document.getElementById("alert").textContent === m, { timeout: 10000 }, message);

    const rows = [
        ["Enter and a click before the scripts arrive: the page still comes up and reads", async (context) => {
            const page = await slowly(context, scriptsAndCore, 3000);
            check(await buttonText(page) === "Getting Ready...|Getting Ready...",
                `before the scripts the button says ${await buttonText(page)}`);
            await page.type("#name", "ann");
            await page.keyboard.press("Enter");
            await page.click("#get-reading");
            check(await page.evaluate(() => globalThis.AmoristModule === undefined), "the scripts came before the click");
            // The request is answered once the core is here: no date was picked yet.
            await alertSays(page, "Please Enter Your Correct Date of Birth!");
            check(await page.$eval("#name", (e) => e.value) === "ANN", "the early name is filtered");
            await page.waitForSelector("html[data-ready]", { timeout: 15000 });
            await readingWorks(page, "en");
            await context.closing();
        }],
        ["while the core loads the button says so, progress shows, and an early request is answered", async (context) => {
            const page = await slowly(context, core, 2500);
            await page.waitForFunction(() => !document.getElementById("loading").hidden, { timeout: 5000 });
            check(await buttonText(page) === "Getting Ready...|Getting Ready...", `the button says ${await buttonText(page)}`);
            check(!(await page.evaluate(() => document.documentElement.dataset.ready)), "ready before the core is");
            await page.type("#name", "ann");
            await page.type("#partner-name", "bob");
            // The days and years come with the page's script, which is not held back.
            await page.waitForFunction(() => document.getElementById("partner-year").options.length > 1);
            for (const id of ["day", "month", "partner-day", "partner-month"])
                await page.select(`#${id}`, "1");
            for (const id of ["year", "partner-year"])
                await page.select(`#${id}`, "1930");
            await page.click("#get-reading");
            await expectReading(page, "en", ["ANN", "1930-01-01", "BOB", "1930-01-01"]);
            check(await page.$eval("#loading", (e) => e.hidden), "the progress stays after the core arrived");
            await context.closing();
        }],
        ["names of a million letters are refused, and the page keeps reading in every language", async (context) => {
            const page = await open(context);
            await page.evaluate((text) => {
                for (const id of ["name", "partner-name"]) {
                    const box = document.getElementById(id);
                    box.value = text;
                    box.dispatchEvent(new Event("input"));
                }
            }, million);
            await page.click("#get-reading");
            await expectRefusal(page, "Please Enter A Name Of At Most 200 Letters !", names.en.you);
            await readingWorks(page, "en");
            await page.select("#language", "de");
            await readingWorks(page, "de");
        }],
        ["without WebAssembly the page says so, and About, refer-a-friend and the languages work", async (context) => {
            const page = await open(context, "", { wait: false,
                prepare: (tab) => tab.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; }) });
            await alertSays(page, "This browser cannot make the reading: it does not run WebAssembly.");
            await page.click("#open-about");
            check(await page.$eval("#about", (e) => e.open), "About opens");
            await page.keyboard.press("Escape");
            await page.select("#language", "fr");
            await page.waitForFunction(() => document.documentElement.lang === "fr", { timeout: 5000 });
            check(await page.$eval("#open-refer", (e) => e.textContent) === "Recommander à un proche",
                "the switch shows the page in French");
            await page.click("#get-reading");
            await alertSays(page, "Ce navigateur ne peut pas établir l’analyse\u00a0: il n’exécute pas WebAssembly.");
            // Refer-a-friend opens, and says why it cannot send.
            await page.click("#open-refer");
            check(await page.$eval("#refer", (e) => e.open), "refer-a-friend opens");
            await page.click("#referral button[type=submit]");
            await page.waitForFunction((m) => document.getElementById("refer-alert").textContent === m,
                { timeout: 10000 }, "Ce navigateur ne peut pas établir l’analyse\u00a0: il n’exécute pas WebAssembly.");
        }],
        ["a core that did not come says the reading could not be made, and the next request loads it", async (context) => {
            const server = await serveSite(site, {}, undefined, { files: core, times: 1 });
            context.closing = () => server.close();
            const page = await open({ ...context, server }, "", { wait: false });
            await alertSays(page, "The reading could not be made. Please try again.");
            await readingWorks(page, "en");
            // The browser reports the 404 it was given; nothing else may appear.
            const others = context.problems.filter((problem) => !/status of 404/.test(problem));
            context.problems.splice(0, Infinity, ...others);
            await context.closing();
        }],
        ["the last language chosen wins, however quickly they are chosen", async (context) => {
            const page = await open(context);
            await page.evaluate(() => {
                const box = document.getElementById("language");
                for (const code of ["de", "fr", "es", "de", "en"]) {
                    box.value = code;
                    box.dispatchEvent(new Event("change"));
                }
            });
            // Every language asked for has arrived, the last one first.
            await page.waitForFunction(() => ["de", "fr", "es"].every((code) => performance
                .getEntriesByType("resource").some((entry) => new RegExp(`_${code}\\.`).test(entry.name))));
            await new Promise((resolve) => setTimeout(resolve, 500));
            const state = await page.evaluate(() => [document.documentElement.lang,
                document.getElementById("language").value, new URL(location.href).searchParams.get("lang")]);
            check(state.join() === "en,en,en", `page, box and address say ${state}`);
            await readingWorks(page, "en");
        }],
        ["a refer-a-friend field of a megabyte is refused with the page's message", async (context) => {
            const page = await open(context);
            await page.click("#open-refer");
            await page.evaluate((text) => {
                window.open = () => { document.body.dataset.opened = "yes"; };
                const values = { "refer-name": text, "refer-email": "a@x.org", "refer-friend-name": "BOB",
                    "refer-friend-email": "b@x.org" };
                for (const [id, value] of Object.entries(values))
                    document.getElementById(id).value = value;
            }, million);
            await page.click("#referral button[type=submit]");
            await page.waitForFunction(() => document.getElementById("refer-alert").textContent
                === "Please Enter At Most 1000 Characters In Each Box", { timeout: 5000 });
            check(!(await page.evaluate(() => document.body.dataset.opened)), "the referral opened all the same");
        }],
        ["zoomed to 400%, a refusal shows the field at fault and the message together", async (context) => {
            const page = await open(context);
            // 1280 by 1024 at 400%.
            await page.setViewport({ width: 320, height: 256 });
            await enter(page, names.en, ["ANN", "1990-02-31", "BOB", "1978-11-23"]);
            await expectRefusal(page, "Please Enter Your Correct Date of Birth!", names.en.day);
            await new Promise((resolve) => setTimeout(resolve, 300));
            const seen = await page.evaluate(() => {
                const inView = (element) => {
                    const box = element.getBoundingClientRect();
                    return box.top >= 0 && box.bottom <= document.documentElement.clientHeight;
                };
                const day = document.getElementById("day");
                const box = day.getBoundingClientRect();
                const onTop = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
                return { day: inView(day), message: inView(document.getElementById("alert")), uncovered: onTop === day };
            });
            check(seen.day && seen.message && seen.uncovered, `in view: ${JSON.stringify(seen)}`);
        }],
    ];
    if (browserName === "chromium") {
        rows.push(["forced colours keep the reading's colour swatch", async (context) => {
            const page = await open(context);
            // Chromium renders with a forced palette when it emulates the feature.
            const cdp = await page.createCDPSession();
            await cdp.send("Emulation.setEmulatedMedia", { features: [{ name: "forced-colors", value: "active" }] });
            await enter(page, names.en, ["ANN", "1975-03-07", "BOB", "1978-11-23"]);
            await expectReading(page, "en", ["ANN", "1975-03-07", "BOB", "1978-11-23"]);
        }]);
        rows.push(["with JavaScript off the page says the reading needs it", async (context) => {
            const page = await context.browser.newPage();
            await page.setJavaScriptEnabled(false);
            await page.goto(`${context.server.origin}/`);
            const line = await page.$eval("noscript", (e) => e.textContent);
            check(line.includes("The reading needs JavaScript, which is turned off in this browser."),
                `the noscript line: ${line}`);
            check(await page.$eval("#get-reading", (e) => e.type) === "button", "the form can submit itself");
        }]);
    }
    return rows;
}

module.exports = { robustRows };
