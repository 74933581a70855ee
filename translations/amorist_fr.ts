<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>amorist-cli</name>
    <message>
        <source>You: %1</source>
        <extracomment>The first person of a plain-text reading in the terminal: %1 is their name</extracomment>
        <translation>Vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>Partner: %1</source>
        <extracomment>The second person of a plain-text reading: %1 is their name</extracomment>
        <translation>Partenaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <extracomment>%1 is a date of birth, as day/month/year</extracomment>
        <translation>Date de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mars sign: %1</source>
        <translation>Signe de Mars&#xa0;: %1</translation>
    </message>
    <message>
        <source>Venus sign: %1</source>
        <translation>Signe de Vénus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reading One: your Mars with your partner&apos;s Venus</source>
        <translation>Première analyse&#xa0;: votre Mars avec la Vénus de votre partenaire</translation>
    </message>
    <message>
        <source>Reading Two: your Venus with your partner&apos;s Mars</source>
        <translation>Deuxième analyse&#xa0;: votre Vénus avec le Mars de votre partenaire</translation>
    </message>
    <message>
        <source>Pair: %1</source>
        <extracomment>%1 is the pair of signs a reading is made from, such as Aquarius-Gemini</extracomment>
        <translation>Paire de signes&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A pair of signs: %1 the first sign, %2 the second</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <extracomment>%1 is the compatibility number, 1 to 12, or the word for none</extracomment>
        <translation>Nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the compatibility number when a reading has none</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Swatch: %1</source>
        <extracomment>%1 is the colour of the reading&apos;s swatch as #RRGGBB</extracomment>
        <translation>Échantillon de couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <extracomment>%1 is the colour name</extracomment>
        <translation>Couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <extracomment>%1 is the category word</extracomment>
        <translation>Mot-clé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility:</source>
        <extracomment>The heading of the reading&apos;s paragraph, which follows on the next lines</extracomment>
        <translation>Votre compatibilité amoureuse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>birth_data_check</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>The user&apos;s name is empty</extracomment>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date of Birth!</source>
        <extracomment>The user&apos;s date of birth is 30 or 31 February</extracomment>
        <translation>Veuillez saisir votre date de naissance correcte&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date of Birth !</source>
        <extracomment>The user&apos;s date of birth is the 31st of a month of 30 days</extracomment>
        <translation>Veuillez saisir une date de naissance valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <extracomment>The partner&apos;s name is empty</extracomment>
        <translation>Veuillez saisir le nom de votre partenaire.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>The user&apos;s date of birth is 29 February of a common year</extracomment>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend!</source>
        <extracomment>The partner&apos;s date of birth is a day February does not have (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Veuillez saisir un jour ou un mois valide pour votre partenaire&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend !</source>
        <extracomment>The partner&apos;s date of birth is the 31st of a month of 30 days (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Veuillez saisir un jour ou un mois valide pour votre partenaire&#xa0;!</translation>
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
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Excellent</source>
        <extracomment>A category word, shown after &quot;Keywords&quot;</extracomment>
        <translation>Excellente</translation>
    </message>
    <message>
        <source>You will instantly recognize the love each has for the other. You will try your best to impress your partner. This will be a relationship both of you will remember forever. You will have very strong feelings for each other. This is a dynamic relationship.</source>
        <extracomment>The paragraph of the category &quot;Excellent&quot; (number 1)</extracomment>
        <translation>Vous reconnaîtrez instantanément l&apos;amour que vous vous portez. Chacun fera de son mieux pour impressionner l&apos;autre. Vous vous souviendrez tous les deux de cette relation pour toujours. Vous éprouverez des sentiments très forts l&apos;un pour l&apos;autre. C&apos;est une relation dynamique.</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>You both may have nothing in common. You may like something about each other but neither of you will make the first move. There will always be some hesitancy between the both of you. You both may be different but you both can sense easily what is going on in each other&apos;s mind.</source>
        <extracomment>The paragraph of the category &quot;Difficult&quot; (numbers 2 and 12)</extracomment>
        <translation>Vous n&apos;avez peut-être rien en commun. Quelque chose vous plaît peut-être chez l&apos;autre, mais aucun de vous ne fera le premier pas. Il y aura toujours une certaine hésitation entre vous. Vous êtes peut-être différents, mais chacun devine sans peine ce qui se passe dans la tête de l&apos;autre.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Complice</translation>
    </message>
    <message>
        <source>This is a very comfortable and easy relationship. There is no sudden or intense passion involved. It is more likely that such a relationship will develop over a period of time. You love each other and at the same time appreciate each other. This progresses in a gradual and steady manner. You will take time to get to know each other.</source>
        <extracomment>The paragraph of the category &quot;Understanding&quot; (numbers 3 and 11)</extracomment>
        <translation>C&apos;est une relation très confortable et facile. Il n&apos;y a pas de passion soudaine ou intense. Une telle relation se construit plutôt avec le temps. Vous vous aimez et, en même temps, vous vous appréciez. Elle progresse de façon graduelle et régulière. Vous prendrez le temps d&apos;apprendre à vous connaître.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Fiery</source>
        <translation>Fougueuse</translation>
    </message>
    <message>
        <source>There will be a clash of personalities. In the beginning this relationship may seem exciting and happening but later on there may be a lot of conflict. You both will be passionate at times or impossible at other times. You may have to overcome many challenges.</source>
        <extracomment>The paragraph of the category &quot;Fiery&quot; (numbers 4 and 10)</extracomment>
        <translation>Vos personnalités vont s&apos;affronter. Au début, cette relation peut sembler excitante et pleine de vie, mais ensuite les conflits risquent d&apos;être nombreux. Vous serez tantôt passionnés, tantôt impossibles. Vous aurez peut-être de nombreux défis à relever.</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Happening</source>
        <translation>Pétillante</translation>
    </message>
    <message>
        <source>This is an excellent combination. You are made for each other and feel very comfortable with each other. You have similar styles of expressing your love. But you are still different in your ways of loving each other. Though both of your will fight over who loves the other more, this relationship will be harmonious. You will share very good mutual understanding. This relationship stands for true love.</source>
        <extracomment>The paragraph of the category &quot;Happening&quot; (numbers 5 and 9)</extracomment>
        <translation>C&apos;est une excellente combinaison. Vous êtes faits l&apos;un pour l&apos;autre et vous vous sentez très bien ensemble. Vous exprimez votre amour de façon semblable, mais chacun aime l&apos;autre à sa manière. Même si vous vous disputez pour savoir qui aime le plus l&apos;autre, cette relation sera harmonieuse. Vous vous comprendrez très bien. Cette relation est synonyme de véritable amour.</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation>Magnétique</translation>
    </message>
    <message>
        <source>This relationship is total or nothing. There is attraction or absolutely nothing. You may realize this only when someone points it out to you. This may be an on and off kind of relationship. There may be moments when you think the world of each other and other times when you don&apos;t even feel like seeing each other&apos;s face. This is a very unlikely relationship. But it can last if you want it to. You may have to make a lot of adjustments and compromises for this relationship to work. There my be a lot of fireworks. It can be good or it can be terrible, depending on how you intend to go about it.</source>
        <extracomment>The paragraph of the category &quot;Magnetic&quot; (numbers 6 and 8)</extracomment>
        <translation>Cette relation, c&apos;est tout ou rien. Soit il y a de l&apos;attirance, soit rien du tout. Vous ne vous en rendrez peut-être compte que lorsque quelqu&apos;un vous le fera remarquer. Ce peut être une relation en dents de scie. Par moments vous serez fous l&apos;un de l&apos;autre, à d&apos;autres vous n&apos;aurez même pas envie de vous voir. C&apos;est une relation très improbable, mais elle peut durer si vous le voulez. Vous devrez sans doute faire beaucoup d&apos;ajustements et de compromis pour qu&apos;elle fonctionne. Il risque d&apos;y avoir des étincelles. Ce peut être merveilleux ou terrible, selon la manière dont vous vous y prendrez.</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Different</source>
        <translation>Contrastée</translation>
    </message>
    <message>
        <source>This will be the real case of opposites attracting each other. This may not essentially be love at first sight. In fact you may have hated each other in the first instance. There is always a love-hate relationship. You will need to understand the other person and learn what he has to give than fight with him at each and every point. Learn to appreciate each other&apos;s good traits and move ahead.</source>
        <extracomment>The paragraph of the category &quot;Different&quot; (number 7)</extracomment>
        <translation>C&apos;est le cas typique des contraires qui s&apos;attirent. Ce ne sera pas forcément le coup de foudre. En fait, vous vous êtes peut-être détestés au premier abord. C&apos;est toujours une relation d&apos;amour-haine. Plutôt que de vous disputer sur chaque point, essayez de comprendre l&apos;autre et de découvrir ce qu&apos;il peut vous apporter. Apprenez à apprécier les qualités de l&apos;autre et allez de l&apos;avant.</translation>
    </message>
</context>
<context>
    <name>zodiac</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown beside &quot;Your Mars Sign&quot; and the like</extracomment>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>January</source>
        <extracomment>A month name, in the month lists and in a date of birth shown as day/month/year</extracomment>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
</TS>
