// What "the page works" means to the app tests, on the stand-in page: its text in the language
// asked for, from its wasm module and that language's texts.
export const languages = ['en', 'de'];
const expected = { en: 'Hello 42', de: 'Hallo 42' };

export async function pageWorks(page, lang) {
    await page.waitForFunction(() => document.getElementById('out')?.textContent !== '', { polling: 100 });
    if ((await page.evaluate(() => document.documentElement.lang)) !== lang) await page.select('#lang', lang);
    await page.waitForFunction((text, lang) => document.getElementById('out').textContent === text &&
        document.documentElement.lang === lang, { polling: 100 }, expected[lang], lang);
}
