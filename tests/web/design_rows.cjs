// Rows of the browser test for the page's look, as computed by the browser: on every view and
// dialog, in every language and in both colour schemes, only links are underlined and every link
// is, no text is under 16 px, nothing scrolls sideways from 320 to 1920 px nor at 400% zoom, and
// the two readings stand side by side on a desktop. Also the dialogs' first focus and a reading
// that is the same both ways.
const { launch } = require("./browsers.cjs");

const sizes = [[320, 1], [375, 1], [768, 1], [1024, 1], [1280, 1], [1920, 1], [320, 4]];

// Run in the page: what a person would see as wrong in the view on screen.
function lookProblems() {
    const problems = [];
    const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden";
    const what = (e) => `<${e.localName}${e.id ? "#" + e.id : ""}> "${e.textContent.trim().slice(0, 30)}"`;
    for (const element of document.querySelectorAll("body *")) {
        if (!shown(element))
            continue;
        const style = getComputedStyle(element);
        const underlined = style.textDecorationLine.includes("underline");
        if (element.matches("a[href]") && !underlined)
            problems.push(`a link that does not look like one: ${what(element)}`);
        if (!element.matches("a[href]") && underlined)
            problems.push(`underlined but not a link: ${what(element)}`);
        const hasText = [...element.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim());
        if ((hasText || element.matches("input, select")) && parseFloat(style.fontSize) < 16)
            problems.push(`text at ${style.fontSize}: ${what(element)}`);
    }
    if (document.documentElement.scrollWidth > innerWidth)
        problems.push(`${document.documentElement.scrollWidth} px wide in ${innerWidth}`);
    return problems;
}

function designRows({ browserName, open, check, axe }) {
    // The pages of one colour scheme: Chromium emulates it, Firefox is started in it.
    const inScheme = async (context, scheme, query) => {
        let browser = context.browser;
        if (browserName === "firefox" && scheme === "dark") {
            browser = await launch(browserName, "en-US,en", scheme);
            context.closeAfter = browser;
        }
        const page = await open({ ...context, browser }, query);
        if (browserName === "chromium")
            await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: scheme }]);
        check(await page.evaluate(() => matchMedia("(prefers-color-scheme: dark)").matches) === (scheme === "dark"),
            `the page is not in the ${scheme} scheme`);
        return page;
    };
    const settled = (page) => page.evaluate(() => Promise.all(document.getAnimations().map((a) => a.finished)));
    const looksRight = async (page, view) => {
        await settled(page);
        for (const [width, zoom] of sizes) {
            await page.setViewport({ width, height: 800 / zoom, deviceScaleFactor: zoom });
            const problems = await page.evaluate(lookProblems);
            check(problems.length === 0, `${view} at ${width} px, ${zoom * 100}%: ${problems.join("; ")}`);
        }
        await page.setViewport({ width: 1280, height: 800 });
    };
    const readingOf = async (page, date, partnerDate = date) => {
        if (await page.$eval("#entry", (e) => e.hidden))
            await page.click("#back");
        for (const [id, name] of [["#name", "ANN"], ["#partner-name", "BOB"]]) {
            await page.$eval(id, (e) => { e.value = ""; });
            await page.type(id, name);
        }
        for (const [prefix, iso] of [["", date], ["partner-", partnerDate]]) {
            const [year, month, day] = iso.split("-").map(Number);
            await page.select(`#${prefix}day`, String(day));
            await page.select(`#${prefix}month`, String(month));
            await page.select(`#${prefix}year`, String(year));
        }
        await page.click("#get-reading");
        await page.waitForSelector("#result:not([hidden])");
        await settled(page);
    };

    const everyView = (scheme, languages, axeLanguages) => [
        `in the ${scheme} scheme: only links underlined, text from 16 px, no sideways scroll, readings side by side`,
        async (context) => {
            try {
                for (const language of languages) {
                    const page = await inScheme(context, scheme, `?lang=${language}`);
                    const seen = async (view) => {
                        await looksRight(page, `${view} in ${language}`);
                        if (axeLanguages.includes(language))
                            await axe(page, `${view} in ${language}, ${scheme}`);
                    };
                    await seen("the entries");
                    await page.click("#get-reading");
                    await page.waitForFunction(() => document.getElementById("alert").textContent !== "");
                    await seen("a refusal");
                    await readingOf(page, "1975-03-07", "1978-11-23");
                    await seen("the reading");
                    const [one, two] = await page.$$eval(".reading", (cards) => cards.map((c) => c.getBoundingClientRect().toJSON()));
                    check(Math.abs(one.top - two.top) < 1 && two.left >= one.right, `at 1280 px the readings are not side by side in ${language}`);
                    await readingOf(page, "1990-02-25");
                    await seen("a reading the same both ways");
                    await page.click("#back");
                    for (const dialog of ["about", "refer"]) {
                        await page.click(`#open-${dialog}`);
                        await seen(`the dialog ${dialog}`);
                        await page.keyboard.press("Escape");
                    }
                    await page.close();
                }
            } finally {
                await context.closeAfter?.close();
            }
        }];

    const all = ["en", "de", "fr", "es"];
    return [
        everyView("light", all, browserName === "chromium" ? all : ["en"]),
        everyView("dark", all, browserName === "chromium" ? all : ["de"]),
        ["a dialog opens on its heading, not on a link to another site", async (context) => {
            const page = await open(context);
            for (const dialog of ["about", "refer"]) {
                await page.click(`#open-${dialog}`);
                const focused = await page.evaluate(() => document.activeElement.id);
                check(focused === `${dialog}-title`, `${dialog} opens with the focus on #${focused}`);
                await page.keyboard.press("Escape");
            }
        }],
        ["a reading the same both ways says so once, and both readings keep their names", async (context) => {
            const page = await open(context);
            await readingOf(page, "1990-02-25");
            const seen = await page.evaluate(() => {
                const visible = (id) => document.getElementById(id).getClientRects().length > 0;
                return { note: visible("both-ways"), secondText: visible("paragraph-two"),
                    notes: [...document.querySelectorAll("#result *")].filter((e) => e.getClientRects().length > 0
                        && e.textContent === "The same reading both ways").length,
                    colours: [...document.querySelectorAll("#result .swatch-colour")].map((e) => e.getAttribute("aria-label")),
                    words: [...document.querySelectorAll("#result .category")].map((e) => e.textContent) };
            });
            check(seen.note && seen.notes === 1 && !seen.secondText, `both ways: ${JSON.stringify(seen)}`);
            check(/^First reading colour: \w/.test(seen.colours[0]) && /^Second reading colour: \w/.test(seen.colours[1])
                && seen.words.every((word) => word !== ""), `both readings named: ${JSON.stringify(seen)}`);
            await readingOf(page, "1975-03-07", "1978-11-23");
            check(await page.$eval("#both-ways", (e) => e.hidden) && await page.$eval("#paragraph-two", (e) => !e.hidden),
                "two different readings show both texts");
        }],
    ];
}

module.exports = { designRows };
