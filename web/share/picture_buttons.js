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

// shareLine: the one line that goes with a shared picture, in the page's language.
export function setUpPictures({ byId, shareLine }) {
    let current = null;  // { language, reading } of the reading on screen
    const share = byId("share-picture");
    const copy = byId("copy-picture");
    share.hidden = !canShareFiles();
    copy.hidden = !(typeof ClipboardItem === "function" && navigator.clipboard?.write);

    byId("save-picture").addEventListener("click", async () => download(await picture(current)));
    copy.addEventListener("click", async () => {
        // Handed over as a promise, so the browser still counts the click as the user's.
        await navigator.clipboard.write([new ClipboardItem({ "image/png": picture(current) })]);
    });
    share.addEventListener("click", async () => {
        const file = new File([await picture(current)], fileName, { type: "image/png" });
        const address = new URL(".", location.href).href;
        try {
            await navigator.share({ files: [file], text: shareLine(), url: address });
        } catch (error) {
            if (error.name !== "AbortError")  // the person closed the share sheet
                throw error;
        }
    });

    return {
        show(language, reading) {
            current = { language, reading };
        },
    };
}
