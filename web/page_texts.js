// The page's own words: each names a text of the translations by its context
// and English source, as the desktop's sources do. lupdate reads this file, so
// it stays a plain script; the site build fills the English into the page and
// writes the texts of each language as a module. Only "web" texts are the web
// edition's own.
const QT_TRANSLATE_NOOP = (context, source) => [context, source];

const pageTexts = {

    // Main window
    banner: QT_TRANSLATE_NOOP("promotions", "The Most Popular Online Quillmoor Discussion Board. Best Resource For Everything Quillmoor. Visit %1 Now"),
    intro: QT_TRANSLATE_NOOP("amorist::frmMain", "Venus and Mars signs are opposite in nature and represent yin - yang planets. Knowing the Venus - Mars compatibility between people will help you understand your relationship better. Take the Amorist test to know how electric or dull your relationship is!"),
    romantic: QT_TRANSLATE_NOOP("amorist::frmMain", "Romantic Compatibility"),
    tagline: QT_TRANSLATE_NOOP("amorist::frmMain", "Take the test now and understand your romance better! "),
    yourDetails: QT_TRANSLATE_NOOP("amorist::frmMain", "Enter Your Details"),
    partnerDetails: QT_TRANSLATE_NOOP("amorist::frmMain", "Enter Your Partner's Details"),
    name: QT_TRANSLATE_NOOP("amorist::frmMain", "Name"),
    dateOfBirth: QT_TRANSLATE_NOOP("amorist::frmMain", "Date Of Birth"),
    partnerDob: QT_TRANSLATE_NOOP("amorist::frmMain", "Partner's DOB"),
    date: QT_TRANSLATE_NOOP("amorist::frmMain", "Date"),
    month: QT_TRANSLATE_NOOP("amorist::frmMain", "Month"),
    year: QT_TRANSLATE_NOOP("amorist::frmMain", "Year"),
    yourName: QT_TRANSLATE_NOOP("amorist::frmMain", "Your name"),
    yourDay: QT_TRANSLATE_NOOP("amorist::frmMain", "Your day of birth"),
    yourMonth: QT_TRANSLATE_NOOP("amorist::frmMain", "Your month of birth"),
    yourYear: QT_TRANSLATE_NOOP("amorist::frmMain", "Your year of birth"),
    partnerName: QT_TRANSLATE_NOOP("amorist::frmMain", "Partner's name"),
    partnerDay: QT_TRANSLATE_NOOP("amorist::frmMain", "Partner's day of birth"),
    partnerMonth: QT_TRANSLATE_NOOP("amorist::frmMain", "Partner's month of birth"),
    partnerYear: QT_TRANSLATE_NOOP("amorist::frmMain", "Partner's year of birth"),
    getReading: QT_TRANSLATE_NOOP("amorist::frmMain", "Get Our &Romantic Compatibility Reading"),
    getReadingName: QT_TRANSLATE_NOOP("amorist::frmMain", "Get our romantic compatibility reading"),
    onlyLetters: QT_TRANSLATE_NOOP("amorist::frmMain", "Please Enter Only Letters !"),
    help: QT_TRANSLATE_NOOP("amorist::frmMain", "&Help"),
    onlineHelp: QT_TRANSLATE_NOOP("amorist::frmMain", "&Online Help"),
    visitUs: QT_TRANSLATE_NOOP("amorist::frmMain", "&Visit Us Online"),
    about: QT_TRANSLATE_NOOP("amorist::frmMain", "&About Software"),
    donate: QT_TRANSLATE_NOOP("amorist::frmMain", "&Donate"),
    cobrand: QT_TRANSLATE_NOOP("promotions", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link here. See \"Help\" for details.Click Here for more info on co-branding."),
    fullbrand: QT_TRANSLATE_NOOP("promotions", "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details."),

    // Result
    personalDetails: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Personal Details"),
    resultYourName: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Name"),
    resultYourDate: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Date of Birth"),
    resultPartnerName: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Partner's Name"),
    resultPartnerDate: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Partner's Date of Birth"),
    yourMars: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Mars Sign"),
    partnerVenus: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Partner's Venus Sign"),
    yourVenus: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Venus Sign"),
    partnerMars: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Partner's Mars Sign"),
    keywords: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Keywords"),
    compatibility: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Romantic Compatibility"),
    back: QT_TRANSLATE_NOOP("amorist::frmDisplay", "&Back"),
    backName: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Back"),
    firstColour: QT_TRANSLATE_NOOP("amorist::frmDisplay", "First reading colour: %1"),
    secondColour: QT_TRANSLATE_NOOP("amorist::frmDisplay", "Second reading colour: %1"),

    // About
    aboutText: QT_TRANSLATE_NOOP("amorist::frmAbout", "Amorist gives the compatibility between two individuals based on their Venus and Mars signs. Venus & Mars signs are opposite in nature and represent yin - yang planets. The software gives you an idea on different aspects of your relationship which depend on the Venus and Mars signs. All rights in this software belong to Quillmoor Softwares."),
    visitHome: QT_TRANSLATE_NOOP("amorist::frmAbout", "Click here to visit %1"),
    business: QT_TRANSLATE_NOOP("amorist::frmAbout", "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website."),
    moreDetails: QT_TRANSLATE_NOOP("amorist::frmAbout", "Click here for more details"),
    ok: QT_TRANSLATE_NOOP("amorist::frmAbout", "&OK"),

    // Refer a friend
    support0: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Quillmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quillmoor is to visit Quillmoor regularly and take part in the discussions and other activities on the board."),
    support1: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quillmoor"),
    support2: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Quillmoor is a FREE online discussion forum for all things quillmoor. To help Quillmoor develop and maintain this software visit Quillmoor regularly."),
    support3: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Quillmoor needs your help. All you need to do is visit Quillmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quillmoor Softwares."),
    catalogue1: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "If you have enjoyed this software you will surely be interested in our other Quillmoor Softwares. From a single software, we have now grown to become the world’s largest resource of quillmoor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests."),
    catalogue2: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "All the programs in the Quillmoor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family."),
    visitNow: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Click Here To Visit %1 Now"),
    exit: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "E&xit"),
    referAFriend: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Refer A Friend"),
    referNow: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Refer A Friend &Now"),
    download: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Download Quillmoor Softwares"),
    visitSoftwares: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Click Here To Visit Quillmoor Softwares"),
    noSpace: QT_TRANSLATE_NOOP("amorist::frmReferAFriend", "Email Address Cannot Contain Space"),
    hintName: QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
    hintEmail: QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
    hintFriendName: QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
    hintFriendEmail: QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),

    // the web edition's own
    language: QT_TRANSLATE_NOOP("web", "Language"),
    gettingReady: QT_TRANSLATE_NOOP("web", "Getting Ready..."),
    loading: QT_TRANSLATE_NOOP("web", "Getting the reading ready"),
    needsScript: QT_TRANSLATE_NOOP("web", "The reading needs JavaScript, which is turned off in this browser."),
    noWebAssembly: QT_TRANSLATE_NOOP("web", "This browser cannot make the reading: it does not run WebAssembly."),
    readingFailed: QT_TRANSLATE_NOOP("web", "The reading could not be made. Please try again."),
    nameTooLong: QT_TRANSLATE_NOOP("web", "Please Enter A Name Of At Most %1 Letters !"),
};
