// The picture commands under a reading: Share, Copy Picture and Save Picture.
// The card's own code, its WebAssembly module included, is imported only when
// one of them is used, so a visit that never asks for a picture never loads it.
const fileName = "amorist-reading.png";

const picture = async (current) => (await import("./card_picture.js")).cardPicture(current);

function canShareFiles() {
    if (typeof navigator.canShare !== "function")
        return false;
    const probe = new File([new Uint8Array(1)], fileName, { type: "image/png" });
    return navigator.canShare({ files: [probe] });
}

function download(blob) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = fileName;
    link.click();
    // The download has its own copy once it starts; the address is let go a little later.
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// Each command says how it went on the status line under the commands, in the
// page's language (shown); a picture that cannot be made says so too.
export function setUpPictures({ byId, shown, say }) {
    let current = null;  // { language, reading, link } of the reading on screen
    const status = byId("share-status");
    const share = byId("share-picture");
    const copy = byId("copy-picture");
    share.hidden = !canShareFiles();
    copy.hidden = !(typeof ClipboardItem === "function" && navigator.clipboard?.write);

    const command = (button, run, failure) => button.addEventListener("click", async () => {
        status.textContent = "";
        try {
            await run();
        } catch (error) {
            if (error.name === "AbortError")  // the person closed the share sheet
                return;
            console.warn("Amorist: a picture command failed:", error);
            say(status, shown(failure));
        }
    });
    command(byId("save-picture"), async () => download(await picture(current)), "pictureFailed");
    command(copy, async () => {
        // Handed over as a promise, so the browser still counts the click as the user's. A
        // clipboard that refuses at once leaves it unread, and its failure is not the page's.
        const png = picture(current);
        png.catch(() => {});
        await navigator.clipboard.write([new ClipboardItem({ "image/png": png })]);
        say(status, shown("pictureCopied"));
    }, "pictureNotCopied");
    command(share, async () => {
        const file = new File([await picture(current)], fileName, { type: "image/png" });
        await navigator.share({ files: [file], text: shown("shareLine"), url: current.link });
    }, "pictureFailed");

    return {
        show(language, reading, link) {
            current = { language, reading, link };
        },
    };
}
