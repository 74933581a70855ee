// Rows of the browser test for the picture commands under a reading: Save Picture gives the card
// as a PNG, the same bytes each time; Copy Picture puts it on the clipboard where the browser
// lets the page write pictures there; Share shows only where files can be shared; the card's
// module is loaded only once a picture is asked for.

// The PNG's width and height, from its header.
function pngSize(bytes) {
    const signature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];
    if (!signature.every((byte, i) => bytes[i] === byte))
        return null;
    return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

// Catches what the page hands the browser to download, as bytes, instead of saving a file. The
// page's policy lets it fetch nothing but its own files, so the blob is kept as it is made.
const catchDownloads = (page) => page.evaluate(() => {
    const blobs = new Map();
    const makeAddress = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
        const address = makeAddress(blob);
        blobs.set(address, blob);
        return address;
    };
    globalThis.downloads = [];
    HTMLAnchorElement.prototype.click = function () {
        const name = this.download;
        globalThis.downloads.push(blobs.get(this.href).arrayBuffer().then((buffer) => ({
            name, base64: btoa(Array.from(new Uint8Array(buffer), (b) => String.fromCharCode(b)).join("")),
        })));
    };
});

async function savedPicture(page, count) {
    await page.click("#save-picture");
    await page.waitForFunction((n) => globalThis.downloads.length === n, { timeout: 20000 }, count);
    const saved = await page.evaluate((n) => globalThis.downloads[n - 1], count);
    return { name: saved.name, bytes: Buffer.from(saved.base64, "base64") };
}

const statusSays = (page, message) => page.waitForFunction(
    (m) => document.getElementById("share-status").textContent === m, { timeout: 20000 }, message);

const cardLoaded = (page) => page.evaluate(() =>
    performance.getEntriesByType("resource").some((entry) => entry.name.includes("amorist-card")));

function pictureRows({ browserName, open, check, readingWorks }) {
    return [
        ["Save Picture: a PNG of 1080 x 1350, at most 150 KB, the same bytes twice; Share hidden",
            async (context) => {
                for (const language of ["en", "de"]) {
                    const page = await open(context, `?lang=${language}`);
                    await catchDownloads(page);
                    await readingWorks(page, language);
                    check(await page.$eval("#share-picture", (e) => e.hidden), "Share is hidden");
                    check(!(await cardLoaded(page)), "the card's module waits for a picture");
                    const first = await savedPicture(page, 1);
                    const second = await savedPicture(page, 2);
                    check(await cardLoaded(page), "the card's module is loaded for the picture");
                    check(first.name === "amorist-reading.png", `saved as ${first.name}`);
                    const size = pngSize(first.bytes);
                    check(size && size[0] === 1080 && size[1] === 1350, `a PNG of ${size}`);
                    check(first.bytes.length <= 150000, `${first.bytes.length} bytes`);
                    check(first.bytes.equals(second.bytes), "the same bytes twice");
                    await page.close();
                }
            }],
        ...(browserName !== "chromium" ? [] : [
            ["Copy Picture puts an image/png on the clipboard", async (context) => {
                await context.browser.defaultBrowserContext().overridePermissions(context.server.origin,
                    ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
                const page = await open(context);
                await readingWorks(page, "en");
                check(!(await page.$eval("#copy-picture", (e) => e.hidden)), "Copy Picture is offered");
                await page.evaluate(() => navigator.clipboard.writeText("nothing yet"));
                await page.click("#copy-picture");
                await page.waitForFunction(async () => {
                    const items = await navigator.clipboard.read();
                    return items.some((item) => item.types.includes("image/png"));
                }, { timeout: 20000, polling: 200 });
                await statusSays(page, "Picture copied");
                await page.close();
            }],
        ]),
        ["where files can be shared, Share passes the picture, a line and the reading's link; a link the "
            + "clipboard refuses is shown to be copied by hand", async (context) => {
            const page = await open(context, "?lang=en", { prepare: (tab) => tab.evaluateOnNewDocument(() => {
                navigator.canShare = (data) => Array.isArray(data?.files);
                navigator.share = async ({ files, text, url }) => {
                    globalThis.sharedData = { names: files.map((f) => `${f.name} ${f.type}`), text, url };
                };
                navigator.clipboard.writeText = () => Promise.reject(new DOMException("refused", "NotAllowedError"));
            }) });
            await readingWorks(page, "en");
            check(!(await page.$eval("#share-picture", (e) => e.hidden)), "Share is offered");
            await page.click("#share-picture");
            await page.waitForFunction(() => globalThis.sharedData, { timeout: 20000 });
            const shared = await page.evaluate(() => globalThis.sharedData);
            const site = new URL(page.url());
            check(new RegExp(`^${site.origin}${site.pathname}#r=([1-9]|1[0-2])-([1-9]|1[0-2])$`).test(shared.url),
                `Share passes the reading's link, not ${shared.url}`);
            check(shared.text === "Our romantic compatibility reading from Amorist" &&
                shared.names.join() === "amorist-reading.png image/png", `Share passes ${JSON.stringify(shared)}`);
            await page.click("#copy-link");
            await statusSays(page, `Copy this link: ${shared.url}`);
            await page.close();
        }],
        ["a picture that cannot be made, or copied, says so under the commands, in the page's language",
            async (context) => {
                const page = await open(context, "?lang=de");
                await readingWorks(page, "de");
                // A canvas that gives no PNG, as a browser out of memory does, and a clipboard that
                // refuses the picture.
                await page.evaluate(() => {
                    HTMLCanvasElement.prototype.toBlob = function (done) { done(null); };
                    navigator.clipboard.write = () => Promise.reject(new DOMException("refused", "NotAllowedError"));
                    for (const id of ["copy-picture", "share-picture"])
                        document.getElementById(id).hidden = false;
                });
                await page.click("#save-picture");
                await statusSays(page, "Das Bild konnte nicht erstellt werden. Bitte versuchen Sie es erneut.");
                await page.click("#copy-picture");
                await statusSays(page, "Das Bild konnte nicht kopiert werden. Mit „Bild speichern“ erhalten Sie es als Datei.");
                await page.close();
            }],
    ];
}

module.exports = { pictureRows };
