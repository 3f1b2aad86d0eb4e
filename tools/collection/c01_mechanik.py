from sammlung import q, f, area, topic, nr

# Naturkonstanten und allgemeine Größen
nr(1)
q("G", "Normfallbeschleunigung", "g", "m/s\\u(2)", "Meter je Quadratsekunde", "beschl", konst="9,80665")
q("CNULL", "Lichtgeschwindigkeit im Vakuum", "c\\d(0)", "m/s", "Meter je Sekunde", "geschw", konst="299792458")
q("GRAVK", "Gravitationskonstante", "G", "m\\u(3)/(kg\\ms\\u(2))", "", konst="6,6743E-11")
q("EPSNULL", "Elektrische Feldkonstante", "\\c(e)\\d(0)", "F/m", "Farad je Meter", abl="A\\ms/(V\\mm)", konst="8,8541878128E-12")
q("MYNULL", "Magnetische Feldkonstante", "\\c(m)\\d(0)", "H/m", "Henry je Meter", abl="V\\ms/(A\\mm)", konst="1,25663706212E-6")
q("RGAS", "Universelle Gaskonstante", "R", "J/(mol\\mK)", "Joule je Mol und Kelvin", konst="8,31446261815324")
q("KB", "Boltzmann-Konstante", "k\\d(B)", "J/K", "Joule je Kelvin", konst="1,380649E-23")
q("HPL", "Plancksches Wirkungsquantum", "h", "J\\ms", "Joulesekunde", konst="6,62607015E-34")
q("QE", "Elementarladung", "e", "C", "Coulomb", abl="A\\ms", konst="1,602176634E-19")
q("NAVO", "Avogadro-Konstante", "N\\d(A)", "1/mol", "je Mol", konst="6,02214076E23")
q("SIGMASB", "Stefan-Boltzmann-Konstante", "\\c(s)", "W/(m\\u(2)\\mK\\u(4))", "", konst="5,670374419E-8")
q("FARAD", "Faraday-Konstante", "F", "C/mol", "Coulomb je Mol", abl="A\\ms/mol", konst="96485,3321233100184")
q("RYD", "Rydberg-Konstante für Wasserstoff", "R\\d(H)", "1/m", "je Meter", konst="10967758,34")
q("PI", "Kreiszahl", "\\c(p)", "1", "ohne Einheit", konst="3,14159265358979324")
q("SNULL", "Deutliche Sehweite", "s\\d(0)", "m", "Meter", "laenge", konst="0,25")
q("INULL", "Bezugsschallintensität", "I\\d(0)", "W/m\\u(2)", "Watt je Quadratmeter", konst="1E-12")
q("PNULLS", "Bezugsschalldruck", "p\\d(0)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", konst="0,00002")

area("01_mechanik", "Mechanik")
nr(100)
q("S", "Weg", "s", "m", "Meter", "laenge", ex="120")
q("T", "Zeit", "t", "s", "Sekunde", "zeit", ex="8")
q("V", "Geschwindigkeit", "v", "m/s", "Meter je Sekunde", "geschw", ex="15")
q("VA", "Anfangsgeschwindigkeit", "v\\d(0)", "m/s", "Meter je Sekunde", "geschw", ex="4")
q("A", "Beschleunigung", "a", "m/s\\u(2)", "Meter je Quadratsekunde", "beschl", ex="2,5")
q("M", "Masse", "m", "kg", "Kilogramm", "masse", ex="12")
q("F", "Kraft", "F", "N", "Newton", "kraft", abl="kg\\mm/s\\u(2)", ex="250")
q("FG", "Gewichtskraft", "F\\d(G)", "N", "Newton", "kraft", abl="kg\\mm/s\\u(2)", ex="800")
q("H", "Höhe", "h", "m", "Meter", "laenge", ex="20")
q("SW", "Wurfweite", "s\\d(W)", "m", "Meter", "laenge", ex="35")
q("HW", "Wurfhöhe", "h\\d(W)", "m", "Meter", "laenge", ex="8")
q("ABW", "Abwurfwinkel", "\\c(a)", "rad", "Radiant", "winkel", ex="0,6")
q("FR", "Reibungskraft", "F\\d(R)", "N", "Newton", "kraft", ex="60")
q("MUE", "Reibungszahl", "\\c(m)", "1", "ohne Einheit", ex="0,3")
q("FN", "Normalkraft", "F\\d(N)", "N", "Newton", "kraft", ex="500")
q("FH", "Hangabtriebskraft", "F\\d(H)", "N", "Newton", "kraft", ex="300")
q("NEIG", "Neigungswinkel", "\\c(a)", "rad", "Radiant", "winkel", ex="0,35")
q("DFED", "Federkonstante", "D", "N/m", "Newton je Meter", ex="400")
q("SFED", "Federweg", "s", "m", "Meter", "laenge", ex="0,15")
q("FFED", "Federkraft", "F", "N", "Newton", "kraft", ex="60")
q("W", "Arbeit", "W", "J", "Joule", "energie", abl="N\\mm", ex="1500")
q("KRW", "Winkel zwischen Kraft und Weg", "\\c(a)", "rad", "Radiant", "winkel", ex="0,5")
q("WKIN", "Kinetische Energie", "E\\d(kin)", "J", "Joule", "energie", abl="kg\\mm\\u(2)/s\\u(2)", ex="900")
q("WPOT", "Potentielle Energie", "E\\d(pot)", "J", "Joule", "energie", abl="N\\mm", ex="2400")
q("WSP", "Spannenergie", "E\\d(Sp)", "J", "Joule", "energie", abl="N\\mm", ex="4,5")
q("P", "Leistung", "P", "W", "Watt", "leistung", abl="J/s", ex="1200")
q("ETA", "Wirkungsgrad", "\\c(h)", "1", "ohne Einheit", ex="0,85")
q("PAB", "Abgegebene Leistung", "P\\d(ab)", "W", "Watt", "leistung", abl="J/s", ex="850")
q("PZU", "Zugeführte Leistung", "P\\d(zu)", "W", "Watt", "leistung", abl="J/s", ex="1000")
q("PIMP", "Impuls", "p", "kg\\mm/s", "Kilogrammmeter je Sekunde", abl="N\\ms", ex="45")
q("DP", "Impulsänderung", "\\c(D)p", "kg\\mm/s", "Kilogrammmeter je Sekunde", abl="N\\ms", ex="30")
q("DT", "Zeitdauer", "\\c(D)t", "s", "Sekunde", "zeit", ex="0,02")
q("MEINS", "Masse des ersten Körpers", "m\\d(1)", "kg", "Kilogramm", "masse", ex="2")
q("MZWEI", "Masse des zweiten Körpers", "m\\d(2)", "kg", "Kilogramm", "masse", ex="1,5")
q("VEINS", "Geschwindigkeit des ersten Körpers", "v\\d(1)", "m/s", "Meter je Sekunde", "geschw", ex="3")
q("VZWEI", "Geschwindigkeit des zweiten Körpers", "v\\d(2)", "m/s", "Meter je Sekunde", "geschw", ex="0,5")
q("UGEM", "Gemeinsame Geschwindigkeit nach dem Stoß", "u", "m/s", "Meter je Sekunde", "geschw", ex="2")
q("UEINS", "Geschwindigkeit des ersten Körpers nach dem Stoß", "u\\d(1)", "m/s", "Meter je Sekunde", "geschw", ex="1")
q("RAD", "Radius", "r", "m", "Meter", "laenge", ex="0,8")
q("OMEGA", "Winkelgeschwindigkeit", "\\c(w)", "rad/s", "Radiant je Sekunde", "winkgesc", abl="1/s", ex="12")
q("N", "Drehzahl", "n", "Hz", "Hertz (Umdrehungen je Sekunde)", "frequenz", abl="1/s", ex="25")
q("TU", "Umlaufdauer", "T", "s", "Sekunde", "zeit", ex="2,5")
q("AZ", "Zentripetalbeschleunigung", "a\\d(Z)", "m/s\\u(2)", "Meter je Quadratsekunde", "beschl", ex="30")
q("FZ", "Zentripetalkraft", "F\\d(Z)", "N", "Newton", "kraft", ex="400")
q("MD", "Drehmoment", "M", "N\\mm", "Newtonmeter", "drehmom", ex="85")
q("HEBEL", "Hebelarm", "l", "m", "Meter", "laenge", ex="0,35")
q("J", "Trägheitsmoment", "J", "kg\\mm\\u(2)", "Kilogramm mal Quadratmeter", ex="0,6")
q("ALPHA", "Winkelbeschleunigung", "\\c(a)", "1/s\\u(2)", "Radiant je Quadratsekunde", abl="rad/s\\u(2)", ex="4")
q("WROT", "Rotationsenergie", "E\\d(rot)", "J", "Joule", "energie", abl="N\\mm", ex="350")
q("LDREH", "Drehimpuls", "L", "kg\\mm\\u(2)/s", "", abl="N\\mm\\ms", ex="7,5")
q("JS", "Trägheitsmoment durch den Schwerpunkt", "J\\d(S)", "kg\\mm\\u(2)", "Kilogramm mal Quadratmeter", ex="0,4")
q("DST", "Achsabstand", "d", "m", "Meter", "laenge", ex="0,25")
q("RABST", "Abstand der Massenmittelpunkte", "r", "m", "Meter", "laenge", ex="2")
q("MZ", "Masse des Zentralkörpers", "M", "kg", "Kilogramm", "masse", ex="5,972E24")
q("RBAHN", "Bahnradius", "r", "m", "Meter", "laenge", ex="6,771E6")
q("VBAHN", "Bahngeschwindigkeit", "v", "m/s", "Meter je Sekunde", "geschw", ex="7700")

topic("Gleichförmige und beschleunigte Bewegung")
f("Gleichförmige Bewegung", ["S", "V", "T"], [
    r"s=v\mt ~ S=V*T",
    r"v=\f(s;t) ~ V=S/T",
    r"t=\f(s;v) ~ T=S/V"])
f("Weg bei gleichmäßig beschleunigter Bewegung aus der Ruhe", ["S", "A", "T"], [
    r"s=\f(a;2)\mt\u(2) ~ S=A/2*T^2",
    r"a=\f(2\ms;t\u(2)) ~ A=2*S/T^2",
    r"t=\r(\f(2\ms;a)) ~ T=SQRT(2*S/A)"])
f("Geschwindigkeit bei gleichmäßiger Beschleunigung", ["V", "VA", "A", "T"], [
    r"v=v\d(0)+a\mt ~ V=VA+A*T",
    r"v\d(0)=v-a\mt ~ VA=V-A*T",
    r"a=\f(v-v\d(0);t) ~ A=(V-VA)/T",
    r"t=\f(v-v\d(0);a) ~ T=(V-VA)/A"])
f("Weg bei gleichmäßiger Beschleunigung mit Anfangsgeschwindigkeit", ["S", "VA", "T", "A"], [
    r"s=v\d(0)\mt+\f(a;2)\mt\u(2) ~ S=VA*T+A/2*T^2",
    r"v\d(0)=\f(s;t)-\f(a\mt;2) ~ VA=S/T-A*T/2",
    r"a=\f(2\m(s-v\d(0)\mt);t\u(2)) ~ A=2*(S-VA*T)/T^2",
    r"t=\f(\r(v\d(0)\u(2)+2\ma\ms)-v\d(0);a) ~ T=(SQRT(VA^2+2*A*S)-VA)/A"])
f("Geschwindigkeit aus dem Weg (zeitfreies Gesetz)", ["V", "VA", "A", "S"], [
    r"v=\r(v\d(0)\u(2)+2\ma\ms) ~ V=SQRT(VA^2+2*A*S)",
    r"v\d(0)=\r(v\u(2)-2\ma\ms) ~ VA=SQRT(V^2-2*A*S)",
    r"a=\f(v\u(2)-v\d(0)\u(2);2\ms) ~ A=(V^2-VA^2)/(2*S)",
    r"s=\f(v\u(2)-v\d(0)\u(2);2\ma) ~ S=(V^2-VA^2)/(2*A)"], ex="S=40")
f("Durchschnittsgeschwindigkeit bei gleichmäßiger Beschleunigung", ["V", "VA", "VEINS"], [
    r"v=\f(v\d(0)+v\d(1);2) ~ V=(VA+VEINS)/2",
    r"v\d(0)=2\mv-v\d(1) ~ VA=2*V-VEINS",
    r"v\d(1)=2\mv-v\d(0) ~ VEINS=2*V-VA"], ex="VEINS=12")

topic("Freier Fall und Wurf")
f("Geschwindigkeit beim freien Fall", ["V", "G", "H"], [
    r"v=\r(2\mg\mh) ~ V=SQRT(2*G*H)",
    r"h=\f(v\u(2);2\mg) ~ H=V^2/(2*G)"])
f("Fallzeit beim freien Fall", ["T", "H", "G"], [
    r"t=\r(\f(2\mh;g)) ~ T=SQRT(2*H/G)",
    r"h=\f(g;2)\mt\u(2) ~ H=G/2*T^2"])
f("Fallgeschwindigkeit nach der Zeit", ["V", "G", "T"], [
    r"v=g\mt ~ V=G*T",
    r"t=\f(v;g) ~ T=V/G"], ex="T=3")
f("Waagerechter Wurf: Wurfweite", ["SW", "VA", "H", "G"], [
    r"s\d(W)=v\d(0)\m\r(\f(2\mh;g)) ~ SW=VA*SQRT(2*H/G)",
    r"v\d(0)=s\d(W)\m\r(\f(g;2\mh)) ~ VA=SW*SQRT(G/(2*H))",
    r"h=\f(g\ms\d(W)\u(2);2\mv\d(0)\u(2)) ~ H=G*SW^2/(2*VA^2)"], ex="VA=12")
f("Schräger Wurf: Wurfweite", ["SW", "VA", "ABW", "G"], [
    r"s\d(W)=\f(v\d(0)\u(2)\msin(2\m\c(a));g) ~ SW=VA^2*SIN(2*ABW)/G",
    r"v\d(0)=\r(\f(s\d(W)\mg;sin(2\m\c(a)))) ~ VA=SQRT(SW*G/SIN(2*ABW))",
    r"\c(a)=\f(1;2)\marcsin\f(s\d(W)\mg;v\d(0)\u(2)) ~ ABW=ARCSIN(SW*G/VA^2)/2"], ex="VA=20", grafik="wurf_schraeg.png")
f("Schräger Wurf: Wurfhöhe", ["HW", "VA", "ABW", "G"], [
    r"h\d(W)=\f(v\d(0)\u(2)\msin\u(2)\c(a);2\mg) ~ HW=VA^2*SQR(SIN(ABW))/(2*G)",
    r"v\d(0)=\f(\r(2\mg\mh\d(W));sin \c(a)) ~ VA=SQRT(2*G*HW)/SIN(ABW)",
    r"\c(a)=arcsin\f(\r(2\mg\mh\d(W));v\d(0)) ~ ABW=ARCSIN(SQRT(2*G*HW)/VA)"], ex="VA=20", grafik="wurf_schraeg.png")

topic("Kraft und Masse")
f("Grundgesetz der Dynamik", ["F", "M", "A"], [
    r"F=m\ma ~ F=M*A",
    r"m=\f(F;a) ~ M=F/A",
    r"a=\f(F;m) ~ A=F/M"])
f("Gewichtskraft", ["FG", "M", "G"], [
    r"F\d(G)=m\mg ~ FG=M*G",
    r"m=\f(F\d(G);g) ~ M=FG/G"], ex="M=75")
f("Reibungskraft", ["FR", "MUE", "FN"], [
    r"F\d(R)=\c(m)\mF\d(N) ~ FR=MUE*FN",
    r"\c(m)=\f(F\d(R);F\d(N)) ~ MUE=FR/FN",
    r"F\d(N)=\f(F\d(R);\c(m)) ~ FN=FR/MUE"])
f("Hangabtriebskraft an der schiefen Ebene", ["FH", "FG", "NEIG"], [
    r"F\d(H)=F\d(G)\msin \c(a) ~ FH=FG*SIN(NEIG)",
    r"F\d(G)=\f(F\d(H);sin \c(a)) ~ FG=FH/SIN(NEIG)",
    r"\c(a)=arcsin\f(F\d(H);F\d(G)) ~ NEIG=ARCSIN(FH/FG)"], grafik="schiefe_ebene")
f("Normalkraft an der schiefen Ebene", ["FN", "FG", "NEIG"], [
    r"F\d(N)=F\d(G)\mcos \c(a) ~ FN=FG*COS(NEIG)",
    r"F\d(G)=\f(F\d(N);cos \c(a)) ~ FG=FN/COS(NEIG)",
    r"\c(a)=arccos\f(F\d(N);F\d(G)) ~ NEIG=ARCCOS(FN/FG)"], grafik="schiefe_ebene")
f("Federkraft (Hookesches Gesetz)", ["FFED", "DFED", "SFED"], [
    r"F=D\ms ~ FFED=DFED*SFED",
    r"D=\f(F;s) ~ DFED=FFED/SFED",
    r"s=\f(F;D) ~ SFED=FFED/DFED"])
f("Kräftegleichgewicht", [], [
    r"\S F\d(i)=0 ~"])

topic("Arbeit, Energie und Leistung")
f("Mechanische Arbeit", ["W", "F", "S"], [
    r"W=F\ms ~ W=F*S",
    r"F=\f(W;s) ~ F=W/S",
    r"s=\f(W;F) ~ S=W/F"])
f("Arbeit bei schräg angreifender Kraft", ["W", "F", "S", "KRW"], [
    r"W=F\ms\mco\s \c(a) ~ W=F*S*COS(KRW)",
    r"F=\f(W;s\mco\s \c(a)) ~ F=W/(S*COS(KRW))",
    r"s=\f(W;F\mcos \c(a)) ~ S=W/(F*COS(KRW))",
    r"\c(a)=arcco\s\f(W;F\ms) ~ KRW=ARCCOS(W/(F*S))"])
f("Kinetische Energie", ["WKIN", "M", "V"], [
    r"E\d(kin)=\f(m;2)\mv\u(2) ~ WKIN=M/2*V^2",
    r"m=\f(2\mE\d(kin);v\u(2)) ~ M=2*WKIN/V^2",
    r"v=\r(\f(2\mE\d(kin);m)) ~ V=SQRT(2*WKIN/M)"])
f("Potentielle Energie (Lageenergie)", ["WPOT", "M", "G", "H"], [
    r"E\d(pot)=m\mg\mh ~ WPOT=M*G*H",
    r"m=\f(E\d(pot);g\mh) ~ M=WPOT/(G*H)",
    r"h=\f(E\d(pot);m\mg) ~ H=WPOT/(M*G)"])
f("Spannenergie einer Feder", ["WSP", "DFED", "SFED"], [
    r"E\d(Sp)=\f(D;2)\ms\u(2) ~ WSP=DFED/2*SFED^2",
    r"D=\f(2\mE\d(Sp);s\u(2)) ~ DFED=2*WSP/SFED^2",
    r"s=\r(\f(2\mE\d(Sp);D)) ~ SFED=SQRT(2*WSP/DFED)"])
f("Leistung", ["P", "W", "T"], [
    r"P=\f(W;t) ~ P=W/T",
    r"W=P\mt ~ W=P*T",
    r"t=\f(W;P) ~ T=W/P"])
f("Leistung bei konstanter Geschwindigkeit", ["P", "F", "V"], [
    r"P=F\mv ~ P=F*V",
    r"F=\f(P;v) ~ F=P/V",
    r"v=\f(P;F) ~ V=P/F"])
f("Wirkungsgrad", ["ETA", "PAB", "PZU"], [
    r"\c(h)=\f(P\d(ab);P\d(zu)) ~ ETA=PAB/PZU",
    r"P\d(ab)=\c(h)\mP\d(zu) ~ PAB=ETA*PZU",
    r"P\d(zu)=\f(P\d(ab);\c(h)) ~ PZU=PAB/ETA"])
f("Energieerhaltung beim freien Fall", ["V", "G", "H", "VA"], [
    r"v=\r(v\d(0)\u(2)+2\mg\mh) ~ V=SQRT(VA^2+2*G*H)",
    r"h=\f(v\u(2)-v\d(0)\u(2);2\mg) ~ H=(V^2-VA^2)/(2*G)",
    r"v\d(0)=\r(v\u(2)-2\mg\mh) ~ VA=SQRT(V^2-2*G*H)"])

topic("Impuls und Stoß")
f("Impuls", ["PIMP", "M", "V"], [
    r"p=m\mv ~ PIMP=M*V",
    r"m=\f(p;v) ~ M=PIMP/V",
    r"v=\f(p;m) ~ V=PIMP/M"])
f("Kraftstoß", ["DP", "F", "DT"], [
    r"\c(D)p=F\m\c(D)t ~ DP=F*DT",
    r"F=\f(\c(D)p;\c(D)t) ~ F=DP/DT",
    r"\c(D)t=\f(\c(D)p;F) ~ DT=DP/F"])
f("Unelastischer Stoß: gemeinsame Geschwindigkeit", ["UGEM", "MEINS", "VEINS", "MZWEI", "VZWEI"], [
    r"u=\f(m\d(1)\mv\d(1)+m\d(2)\mv\d(2);m\d(1)+m\d(2)) ~ UGEM=(MEINS*VEINS+MZWEI*VZWEI)/(MEINS+MZWEI)",
    r"v\d(1)=\f(u\m(m\d(1)+m\d(2))-m\d(2)\mv\d(2);m\d(1)) ~ VEINS=(UGEM*(MEINS+MZWEI)-MZWEI*VZWEI)/MEINS",
    r"v\d(2)=\f(u\m(m\d(1)+m\d(2))-m\d(1)\mv\d(1);m\d(2)) ~ VZWEI=(UGEM*(MEINS+MZWEI)-MEINS*VEINS)/MZWEI",
    r"m\d(1)=\f(m\d(2)\m(u-v\d(2));v\d(1)-u) ~ MEINS=MZWEI*(UGEM-VZWEI)/(VEINS-UGEM)",
    r"m\d(2)=\f(m\d(1)\m(v\d(1)-u);u-v\d(2)) ~ MZWEI=MEINS*(VEINS-UGEM)/(UGEM-VZWEI)"])
f("Elastischer Stoß: Geschwindigkeit des ersten Körpers danach", ["UEINS", "MEINS", "MZWEI", "VEINS", "VZWEI"], [
    r"u\d(1)=\f((m\d(1)-m\d(2))\mv\d(1)+2\mm\d(2)\mv\d(2);m\d(1)+m\d(2)) ~ UEINS=((MEINS-MZWEI)*VEINS+2*MZWEI*VZWEI)/(MEINS+MZWEI)",
    r"v\d(1)=\f(u\d(1)\m(m\d(1)+m\d(2))-2\mm\d(2)\mv\d(2);m\d(1)-m\d(2)) ~ VEINS=(UEINS*(MEINS+MZWEI)-2*MZWEI*VZWEI)/(MEINS-MZWEI)",
    r"v\d(2)=\f(u\d(1)\m(m\d(1)+m\d(2))-(m\d(1)-m\d(2))\mv\d(1);2\mm\d(2)) ~ VZWEI=(UEINS*(MEINS+MZWEI)-(MEINS-MZWEI)*VEINS)/(2*MZWEI)",
    r"m\d(1)=\f(m\d(2)\m(2\mv\d(2)-u\d(1)-v\d(1));u\d(1)-v\d(1)) ~ MEINS=MZWEI*(2*VZWEI-UEINS-VEINS)/(UEINS-VEINS)",
    r"m\d(2)=\f(m\d(1)\m(u\d(1)-v\d(1));2\mv\d(2)-u\d(1)-v\d(1)) ~ MZWEI=MEINS*(UEINS-VEINS)/(2*VZWEI-UEINS-VEINS)"])
f("Impulserhaltung (abgeschlossenes System)", [], [
    r"\S p\d(vorher)=\S p\d(nachher) ~"])

topic("Kreisbewegung")
f("Bahngeschwindigkeit", ["V", "OMEGA", "RAD"], [
    r"v=\c(w)\mr ~ V=OMEGA*RAD",
    r"\c(w)=\f(v;r) ~ OMEGA=V/RAD",
    r"r=\f(v;\c(w)) ~ RAD=V/OMEGA"])
f("Winkelgeschwindigkeit aus der Drehzahl", ["OMEGA", "N"], [
    r"\c(w)=2\m\c(p)\mn ~ OMEGA=2*3,14159265358979324*N",
    r"n=\f(\c(w);2\m\c(p)) ~ N=OMEGA/(2*3,14159265358979324)"])
f("Umlaufdauer", ["TU", "RAD", "V"], [
    r"T=\f(2\m\c(p)\mr;v) ~ TU=2*3,14159265358979324*RAD/V",
    r"r=\f(v\mT;2\m\c(p)) ~ RAD=V*TU/(2*3,14159265358979324)",
    r"v=\f(2\m\c(p)\mr;T) ~ V=2*3,14159265358979324*RAD/TU"])
f("Zentripetalbeschleunigung", ["AZ", "V", "RAD"], [
    r"a\d(Z)=\f(v\u(2);r) ~ AZ=V^2/RAD",
    r"v=\r(a\d(Z)\mr) ~ V=SQRT(AZ*RAD)",
    r"r=\f(v\u(2);a\d(Z)) ~ RAD=V^2/AZ"])
f("Zentripetalkraft", ["FZ", "M", "V", "RAD"], [
    r"F\d(Z)=\f(m\mv\u(2);r) ~ FZ=M*V^2/RAD",
    r"m=\f(F\d(Z)\mr;v\u(2)) ~ M=FZ*RAD/V^2",
    r"v=\r(\f(F\d(Z)\mr;m)) ~ V=SQRT(FZ*RAD/M)",
    r"r=\f(m\mv\u(2);F\d(Z)) ~ RAD=M*V^2/FZ"])
f("Zentripetalkraft aus der Winkelgeschwindigkeit", ["FZ", "M", "OMEGA", "RAD"], [
    r"F\d(Z)=m\m\c(w)\u(2)\mr ~ FZ=M*OMEGA^2*RAD",
    r"m=\f(F\d(Z);\c(w)\u(2)\mr) ~ M=FZ/(OMEGA^2*RAD)",
    r"\c(w)=\r(\f(F\d(Z);m\mr)) ~ OMEGA=SQRT(FZ/(M*RAD))",
    r"r=\f(F\d(Z);m\m\c(w)\u(2)) ~ RAD=FZ/(M*OMEGA^2)"])

topic("Drehbewegung")
f("Drehmoment", ["MD", "F", "HEBEL"], [
    r"M=F\ml ~ MD=F*HEBEL",
    r"F=\f(M;l) ~ F=MD/HEBEL",
    r"l=\f(M;F) ~ HEBEL=MD/F"], grafik="hebel.png")
f("Grundgesetz der Drehbewegung", ["MD", "J", "ALPHA"], [
    r"M=J\m\c(a) ~ MD=J*ALPHA",
    r"J=\f(M;\c(a)) ~ J=MD/ALPHA",
    r"\c(a)=\f(M;J) ~ ALPHA=MD/J"])
f("Rotationsenergie", ["WROT", "J", "OMEGA"], [
    r"E\d(rot)=\f(J;2)\m\c(w)\u(2) ~ WROT=J/2*OMEGA^2",
    r"J=\f(2\mE\d(rot);\c(w)\u(2)) ~ J=2*WROT/OMEGA^2",
    r"\c(w)=\r(\f(2\mE\d(rot);J)) ~ OMEGA=SQRT(2*WROT/J)"])
f("Leistung bei Drehbewegung", ["P", "MD", "OMEGA"], [
    r"P=M\m\c(w) ~ P=MD*OMEGA",
    r"M=\f(P;\c(w)) ~ MD=P/OMEGA",
    r"\c(w)=\f(P;M) ~ OMEGA=P/MD"])
f("Leistung aus Drehmoment und Drehzahl", ["P", "MD", "N"], [
    r"P=2\m\c(p)\mn\mM ~ P=2*3,14159265358979324*N*MD",
    r"M=\f(P;2\m\c(p)\mn) ~ MD=P/(2*3,14159265358979324*N)",
    r"n=\f(P;2\m\c(p)\mM) ~ N=P/(2*3,14159265358979324*MD)"])
f("Drehimpuls", ["LDREH", "J", "OMEGA"], [
    r"L=J\m\c(w) ~ LDREH=J*OMEGA",
    r"J=\f(L;\c(w)) ~ J=LDREH/OMEGA",
    r"\c(w)=\f(L;J) ~ OMEGA=LDREH/J"])
f("Trägheitsmoment eines Vollzylinders", ["J", "M", "RAD"], [
    r"J=\f(1;2)\mm\mr\u(2) ~ J=M*RAD^2/2",
    r"m=\f(2\mJ;r\u(2)) ~ M=2*J/RAD^2",
    r"r=\r(\f(2\mJ;m)) ~ RAD=SQRT(2*J/M)"], ex="RAD=0,2")
f("Trägheitsmoment einer Vollkugel", ["J", "M", "RAD"], [
    r"J=\f(2;5)\mm\mr\u(2) ~ J=2*M*RAD^2/5",
    r"m=\f(5\mJ;2\mr\u(2)) ~ M=5*J/(2*RAD^2)",
    r"r=\r(\f(5\mJ;2\mm)) ~ RAD=SQRT(5*J/(2*M))"], ex="RAD=0,15")
f("Satz von Steiner", ["J", "JS", "M", "DST"], [
    r"J=J\d(S)+m\md\u(2) ~ J=JS+M*DST^2",
    r"J\d(S)=J-m\md\u(2) ~ JS=J-M*DST^2",
    r"m=\f(J-J\d(S);d\u(2)) ~ M=(J-JS)/DST^2",
    r"d=\r(\f(J-J\d(S);m)) ~ DST=SQRT((J-JS)/M)"])

topic("Gravitation")
f("Gravitationsgesetz", ["F", "GRAVK", "MEINS", "MZWEI", "RABST"], [
    r"F=G\m\f(m\d(1)\mm\d(2);r\u(2)) ~ F=GRAVK*MEINS*MZWEI/RABST^2",
    r"m\d(1)=\f(F\mr\u(2);G\mm\d(2)) ~ MEINS=F*RABST^2/(GRAVK*MZWEI)",
    r"m\d(2)=\f(F\mr\u(2);G\mm\d(1)) ~ MZWEI=F*RABST^2/(GRAVK*MEINS)",
    r"r=\r(\f(G\mm\d(1)\mm\d(2);F)) ~ RABST=SQRT(GRAVK*MEINS*MZWEI/F)"], ex="MEINS=1000; MZWEI=500")
f("Bahngeschwindigkeit auf einer Kreisbahn", ["VBAHN", "GRAVK", "MZ", "RBAHN"], [
    r"v=\r(\f(G\mM;r)) ~ VBAHN=SQRT(GRAVK*MZ/RBAHN)",
    r"M=\f(v\u(2)\mr;G) ~ MZ=VBAHN^2*RBAHN/GRAVK",
    r"r=\f(G\mM;v\u(2)) ~ RBAHN=GRAVK*MZ/VBAHN^2"])
f("Fluchtgeschwindigkeit", ["VBAHN", "GRAVK", "MZ", "RBAHN"], [
    r"v=\r(\f(2\mG\mM;r)) ~ VBAHN=SQRT(2*GRAVK*MZ/RBAHN)",
    r"M=\f(v\u(2)\mr;2\mG) ~ MZ=VBAHN^2*RBAHN/(2*GRAVK)",
    r"r=\f(2\mG\mM;v\u(2)) ~ RBAHN=2*GRAVK*MZ/VBAHN^2"], ex="RBAHN=6,371E6")
f("Umlaufdauer auf einer Kreisbahn (3. Keplersches Gesetz)", ["TU", "RBAHN", "GRAVK", "MZ"], [
    r"T=2\m\c(p)\r(\f(r\u(3);G\mM)) ~ TU=2*3,14159265358979324*SQRT(RBAHN^3/(GRAVK*MZ))",
    r"r=\h(3)\w(\f(G\mM\mT\u(2);4\m\c(p)\u(2))) ~ RBAHN=(GRAVK*MZ*TU^2/(4*3,14159265358979324^2))^(1/3)",
    r"M=\f(4\m\c(p)\u(2)\mr\u(3);G\mT\u(2)) ~ MZ=4*3,14159265358979324^2*RBAHN^3/(GRAVK*TU^2)"])
