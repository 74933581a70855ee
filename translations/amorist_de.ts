<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>amorist-cli</name>
    <message>
        <source>You: %1</source>
        <extracomment>The first person of a plain-text reading in the terminal: %1 is their name</extracomment>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>Partner: %1</source>
        <extracomment>The second person of a plain-text reading: %1 is their name</extracomment>
        <translation>Partner: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <extracomment>%1 is a date of birth, as day/month/year</extracomment>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Mars sign: %1</source>
        <translation>Marszeichen: %1</translation>
    </message>
    <message>
        <source>Venus sign: %1</source>
        <translation>Venuszeichen: %1</translation>
    </message>
    <message>
        <source>Reading One: your Mars with your partner&apos;s Venus</source>
        <translation>Erste Deutung: Ihr Mars mit der Venus Ihres Partners</translation>
    </message>
    <message>
        <source>Reading Two: your Venus with your partner&apos;s Mars</source>
        <translation>Zweite Deutung: Ihre Venus mit dem Mars Ihres Partners</translation>
    </message>
    <message>
        <source>Pair: %1</source>
        <extracomment>%1 is the pair of signs a reading is made from, such as Aquarius-Gemini</extracomment>
        <translation>Zeichenpaar: %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A pair of signs: %1 the first sign, %2 the second</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <extracomment>%1 is the compatibility number, 1 to 12, or the word for none</extracomment>
        <translation>Zahl: %1</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the compatibility number when a reading has none</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Swatch: %1</source>
        <extracomment>%1 is the colour of the reading&apos;s swatch as #RRGGBB</extracomment>
        <translation>Farbmuster: %1</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <extracomment>%1 is the colour name</extracomment>
        <translation>Farbe: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <extracomment>%1 is the category word</extracomment>
        <translation>Stichwort: %1</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility:</source>
        <extracomment>The heading of the reading&apos;s paragraph, which follows on the next lines</extracomment>
        <translation>Ihre romantische Kompatibilität:</translation>
    </message>
</context>
<context>
    <name>birth_data_check</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>The user&apos;s name is empty</extracomment>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date of Birth!</source>
        <extracomment>The user&apos;s date of birth is 30 or 31 February</extracomment>
        <translation>Bitte geben Sie Ihr richtiges Geburtsdatum ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date of Birth !</source>
        <extracomment>The user&apos;s date of birth is the 31st of a month of 30 days</extracomment>
        <translation>Bitte geben Sie ein gültiges Geburtsdatum ein!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <extracomment>The partner&apos;s name is empty</extracomment>
        <translation>Bitte geben Sie den Namen Ihres Partners ein.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>The user&apos;s date of birth is 29 February of a common year</extracomment>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend!</source>
        <extracomment>The partner&apos;s date of birth is a day February does not have (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Bitte geben Sie für Ihren Partner einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend !</source>
        <extracomment>The partner&apos;s date of birth is the 31st of a month of 30 days (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Bitte geben Sie für Ihren Partner einen gültigen Tag oder Monat ein!</translation>
    </message>
</context>
<context>
    <name>program_state</name>
    <message>
        <source>%1/%2/%3</source>
        <extracomment>A date of birth: %1 the day, %2 the month name, %3 the year, e.g. 7/March/1975</extracomment>
        <translation>%1/%2/%3</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>red</source>
        <extracomment>A colour name, shown under the reading&apos;s colour swatch</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Excellent</source>
        <extracomment>A category word, shown after &quot;Keywords&quot;</extracomment>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>You will instantly recognize the love each has for the other. You will try your best to impress your partner. This will be a relationship both of you will remember forever. You will have very strong feelings for each other. This is a dynamic relationship.</source>
        <extracomment>The paragraph of the category &quot;Excellent&quot; (number 1)</extracomment>
        <translation>Sie werden die Liebe, die Sie füreinander empfinden, sofort erkennen. Jeder von Ihnen wird alles tun, um den anderen zu beeindrucken. An diese Beziehung werden Sie sich beide immer erinnern. Sie werden sehr starke Gefühle füreinander haben. Es ist eine dynamische Beziehung.</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>You both may have nothing in common. You may like something about each other but neither of you will make the first move. There will always be some hesitancy between the both of you. You both may be different but you both can sense easily what is going on in each other&apos;s mind.</source>
        <extracomment>The paragraph of the category &quot;Difficult&quot; (numbers 2 and 12)</extracomment>
        <translation>Vielleicht haben Sie beide nichts gemeinsam. Sie mögen etwas aneinander, doch keiner von Ihnen macht den ersten Schritt. Zwischen Ihnen wird immer ein gewisses Zögern bleiben. Sie mögen verschieden sein, doch Sie spüren beide mühelos, was im anderen vorgeht.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Verständnisvoll</translation>
    </message>
    <message>
        <source>This is a very comfortable and easy relationship. There is no sudden or intense passion involved. It is more likely that such a relationship will develop over a period of time. You love each other and at the same time appreciate each other. This progresses in a gradual and steady manner. You will take time to get to know each other.</source>
        <extracomment>The paragraph of the category &quot;Understanding&quot; (numbers 3 and 11)</extracomment>
        <translation>Dies ist eine sehr angenehme und unkomplizierte Beziehung. Plötzliche oder heftige Leidenschaft spielt keine Rolle. Eher entwickelt sich eine solche Beziehung mit der Zeit. Sie lieben einander und schätzen sich zugleich. Sie wächst langsam und stetig. Sie nehmen sich Zeit, einander kennenzulernen.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Fiery</source>
        <translation>Feurig</translation>
    </message>
    <message>
        <source>There will be a clash of personalities. In the beginning this relationship may seem exciting and happening but later on there may be a lot of conflict. You both will be passionate at times or impossible at other times. You may have to overcome many challenges.</source>
        <extracomment>The paragraph of the category &quot;Fiery&quot; (numbers 4 and 10)</extracomment>
        <translation>Hier prallen zwei Persönlichkeiten aufeinander. Anfangs mag diese Beziehung aufregend und lebendig wirken, doch später kann es viele Konflikte geben. Mal sind Sie beide leidenschaftlich, mal unmöglich. Sie müssen womöglich viele Herausforderungen meistern.</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Happening</source>
        <translation>Aufregend</translation>
    </message>
    <message>
        <source>This is an excellent combination. You are made for each other and feel very comfortable with each other. You have similar styles of expressing your love. But you are still different in your ways of loving each other. Though both of your will fight over who loves the other more, this relationship will be harmonious. You will share very good mutual understanding. This relationship stands for true love.</source>
        <extracomment>The paragraph of the category &quot;Happening&quot; (numbers 5 and 9)</extracomment>
        <translation>Dies ist eine hervorragende Kombination. Sie sind füreinander geschaffen und fühlen sich miteinander sehr wohl. Sie zeigen Ihre Liebe auf ähnliche Weise und lieben einander doch auf unterschiedliche Art. Auch wenn Sie darüber streiten, wer den anderen mehr liebt, wird diese Beziehung harmonisch sein. Sie verstehen sich ausgezeichnet. Diese Beziehung steht für wahre Liebe.</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation>Magnetisch</translation>
    </message>
    <message>
        <source>This relationship is total or nothing. There is attraction or absolutely nothing. You may realize this only when someone points it out to you. This may be an on and off kind of relationship. There may be moments when you think the world of each other and other times when you don&apos;t even feel like seeing each other&apos;s face. This is a very unlikely relationship. But it can last if you want it to. You may have to make a lot of adjustments and compromises for this relationship to work. There my be a lot of fireworks. It can be good or it can be terrible, depending on how you intend to go about it.</source>
        <extracomment>The paragraph of the category &quot;Magnetic&quot; (numbers 6 and 8)</extracomment>
        <translation>Bei dieser Beziehung heißt es: alles oder nichts. Entweder gibt es Anziehung oder gar nichts. Vielleicht merken Sie das erst, wenn jemand Sie darauf hinweist. Es kann ein ständiges Auf und Ab sein. Mal halten Sie große Stücke aufeinander, mal wollen Sie sich nicht einmal sehen. Diese Verbindung ist sehr unwahrscheinlich, kann aber halten, wenn Sie es wollen. Damit sie funktioniert, müssen Sie sich wohl oft anpassen und Kompromisse schließen. Es kann kräftig funken. Ob gut oder schrecklich, hängt davon ab, wie Sie es angehen.</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Different</source>
        <translation>Gegensätzlich</translation>
    </message>
    <message>
        <source>This will be the real case of opposites attracting each other. This may not essentially be love at first sight. In fact you may have hated each other in the first instance. There is always a love-hate relationship. You will need to understand the other person and learn what he has to give than fight with him at each and every point. Learn to appreciate each other&apos;s good traits and move ahead.</source>
        <extracomment>The paragraph of the category &quot;Different&quot; (number 7)</extracomment>
        <translation>Hier ziehen sich Gegensätze wirklich an. Es muss nicht unbedingt Liebe auf den ersten Blick sein. Vielleicht konnten Sie sich anfangs nicht einmal ausstehen. Es bleibt immer eine Hassliebe. Statt bei jeder Kleinigkeit zu streiten, sollten Sie den anderen verstehen und entdecken, was er zu geben hat. Lernen Sie, die guten Seiten des anderen zu schätzen, und gehen Sie gemeinsam nach vorn.</translation>
    </message>
</context>
<context>
    <name>zodiac</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown beside &quot;Your Mars Sign&quot; and the like</extracomment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>January</source>
        <extracomment>A month name, in the month lists and in a date of birth shown as day/month/year</extracomment>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
</TS>
