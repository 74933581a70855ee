// Refer a friend: the desktop's fields, and its checks and referral address,
// which the core gives; the referral opens in a new tab. E-mail boxes refuse
// spaces as they are typed, as the desktop's do. The page sends the form here.
export function setUpReferral({ byId, shown, say, askCore, noCoreMessage }) {
    const alertLine = byId("refer-alert");
    const boxes = ["refer-name", "refer-email", "refer-friend-name", "refer-friend-email"].map(byId);
    const refuse = (message) => say(alertLine, message);

    for (const box of boxes.filter((b) => b.classList.contains("email"))) {
        box.addEventListener("input", () => {
            if (!box.value.includes(" "))
                return;
            box.value = box.value.replaceAll(" ", "");
            refuse(shown("noSpace"));
        });
    }

    return {
        async submit() {
            const answer = await askCore(boxes.map((box) => box.value));
            if (answer === null)
                return refuse(noCoreMessage());
            if (answer.refused)
                return refuse(answer.refused);
            alertLine.textContent = "";
            window.open(answer.address, "_blank", "noopener");
        },
    };
}
