from sammlung import q, f, area, topic, nr

P = "3,14159265358979324"

area("07_optik", "Optik")
nr(700)
q("NEINS", "Brechzahl des ersten Mediums", "n\\d(1)", "1", "ohne Einheit", ex="1")
q("NZWEI", "Brechzahl des zweiten Mediums", "n\\d(2)", "1", "ohne Einheit", ex="1,5")
q("AEIN", "Einfallswinkel", "\\c(a)", "rad", "Radiant", "winkel", ex="0,7")
q("BBR", "Brechungswinkel", "\\c(b)", "rad", "Radiant", "winkel", ex="0,45")
q("NBR", "Brechzahl", "n", "1", "ohne Einheit", ex="1,33")
q("CMED", "Lichtgeschwindigkeit im Medium", "c", "m/s", "Meter je Sekunde", "geschw", ex="2,25E8")
q("AGR", "Grenzwinkel der Totalreflexion", "\\c(a)\\d(g)", "rad", "Radiant", "winkel", ex="0,73")
q("FBR", "Brennweite", "f", "m", "Meter", "laenge", ex="0,05")
q("GW", "Gegenstandsweite", "g", "m", "Meter", "laenge", ex="0,3")
q("BW", "Bildweite", "b", "m", "Meter", "laenge", ex="0,06")
q("GGR", "Gegenstandsgröße", "G", "m", "Meter", "laenge", ex="0,2")
q("BGR", "Bildgröße", "B", "m", "Meter", "laenge", ex="0,04")
q("ABBM", "Abbildungsmaßstab", "\\c(b)", "1", "ohne Einheit", ex="0,2")
q("DBR", "Brechkraft", "D", "dpt", "Dioptrie", abl="1/m", ex="2,5")
q("REINSL", "Krümmungsradius der ersten Fläche", "r\\d(1)", "m", "Meter", "laenge", ex="0,1")
q("RZWEIL", "Krümmungsradius der zweiten Fläche", "r\\d(2)", "m", "Meter", "laenge", ex="-0,15")
q("NGL", "Brechzahl des Linsenglases", "n", "1", "ohne Einheit", ex="1,5")
q("VLUP", "Vergrößerung", "V", "1", "ohne Einheit", ex="8")
q("FOBJ", "Brennweite des Objektivs", "f\\d(Obj)", "m", "Meter", "laenge", ex="0,9")
q("FOK", "Brennweite des Okulars", "f\\d(Ok)", "m", "Meter", "laenge", ex="0,025")
q("LAMBDA", "Wellenlänge", "\\c(l)", "m", "Meter", "laenge", ex="5,5E-7")
q("KORD", "Beugungsordnung", "k", "1", "ohne Einheit", ex="2")
q("GGIT", "Gitterkonstante", "g", "m", "Meter", "laenge", ex="2E-6")
q("ABEUG", "Beugungswinkel", "\\c(a)", "rad", "Radiant", "winkel", ex="0,5")
q("FLICHT", "Frequenz des Lichts", "f", "Hz", "Hertz", "frequenz", abl="1/s", ex="5,45E14")
q("WPH", "Energie des Photons", "E", "J", "Joule", "energie", abl="W\\ms", ex="3,6E-19")
q("WKE", "Kinetische Energie des Elektrons", "E\\d(kin)", "J", "Joule", "energie", abl="W\\ms", ex="1,2E-19")
q("WA", "Austrittsarbeit", "W\\d(A)", "J", "Joule", "energie", abl="W\\ms", ex="3,5E-19")
q("PPH", "Impuls des Photons", "p", "kg\\mm/s", "Kilogrammmeter je Sekunde", abl="N\\ms", ex="1,2E-27")
q("EV", "Beleuchtungsstärke", "E\\d(v)", "lx", "Lux", abl="lm/m\\u(2)", ex="500")
q("LSTROM", "Lichtstrom", "\\c(F)\\d(v)", "lm", "Lumen", abl="cd\\msr", ex="1500")
q("AB", "Beleuchtete Fläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="3")
q("IV", "Lichtstärke", "I\\d(v)", "cd", "Candela", ex="800")
q("RLQ", "Abstand von der Lichtquelle", "r", "m", "Meter", "laenge", ex="2")

topic("Reflexion und Brechung")
f("Brechungsgesetz (Snellius)", ["BBR", "NEINS", "AEIN", "NZWEI"], [
    r"sin \c(b)=\f(n\d(1);n\d(2))\msin \c(a) ~ =BBR",
    r"\c(b)=arcsin\f(n\d(1)\msin \c(a);n\d(2)) ~ BBR=ARCSIN(NEINS*SIN(AEIN)/NZWEI)",
    r"\c(a)=arcsin\f(n\d(2)\msin \c(b);n\d(1)) ~ AEIN=ARCSIN(NZWEI*SIN(BBR)/NEINS)",
    r"n\d(1)=n\d(2)\m\f(sin \c(b);sin \c(a)) ~ NEINS=NZWEI*SIN(BBR)/SIN(AEIN)",
    r"n\d(2)=n\d(1)\m\f(sin \c(a);sin \c(b)) ~ NZWEI=NEINS*SIN(AEIN)/SIN(BBR)"], grafik="brechung.png")
f("Brechzahl und Lichtgeschwindigkeit", ["NBR", "CNULL", "CMED"], [
    r"n=\f(c\d(0);c) ~ NBR=CNULL/CMED",
    r"c=\f(c\d(0);n) ~ CMED=CNULL/NBR"])
f("Grenzwinkel der Totalreflexion", ["AGR", "NZWEI", "NEINS"], [
    r"\c(a)\d(g)=arcsin\f(n\d(2);n\d(1)) ~ AGR=ARCSIN(NZWEI/NEINS)",
    r"n\d(2)=n\d(1)\msin \c(a)\d(g) ~ NZWEI=NEINS*SIN(AGR)",
    r"n\d(1)=\f(n\d(2);sin \c(a)\d(g)) ~ NEINS=NZWEI/SIN(AGR)"], ex="NEINS=1,5; NZWEI=1")
f("Reflexionsgesetz", [], [
    r"\c(a)=\c(a)' ~"])

topic("Linsen und optische Geräte")
f("Abbildungsgleichung (Linsengleichung)", ["FBR", "GW", "BW"], [
    r"\f(1;f)=\f(1;g)+\f(1;b) ~ =FBR",
    r"f=\f(g\mb;g+b) ~ FBR=GW*BW/(GW+BW)",
    r"g=\f(f\mb;b-f) ~ GW=FBR*BW/(BW-FBR)",
    r"b=\f(f\mg;g-f) ~ BW=FBR*GW/(GW-FBR)"])
f("Abbildungsmaßstab", ["ABBM", "BW", "GW"], [
    r"\c(b)=\f(b;g) ~ ABBM=BW/GW",
    r"b=\c(b)\mg ~ BW=ABBM*GW",
    r"g=\f(b;\c(b)) ~ GW=BW/ABBM"])
f("Bildgröße", ["BGR", "GGR", "BW", "GW"], [
    r"B=G\m\f(b;g) ~ BGR=GGR*BW/GW",
    r"G=B\m\f(g;b) ~ GGR=BGR*GW/BW",
    r"b=g\m\f(B;G) ~ BW=GW*BGR/GGR",
    r"g=b\m\f(G;B) ~ GW=BW*GGR/BGR"])
f("Brechkraft", ["DBR", "FBR"], [
    r"D=\f(1;f) ~ DBR=1/FBR",
    r"f=\f(1;D) ~ FBR=1/DBR"])
f("Linsenschleiferformel (dünne Linse)", ["FBR", "NGL", "REINSL", "RZWEIL"], [
    r"f=\f(1;(n-1)\m(1/r\d(1)-1/r\d(2))) ~ FBR=1/((NGL-1)*(1/REINSL-1/RZWEIL))",
    r"n=1+\f(1;f\m(1/r\d(1)-1/r\d(2))) ~ NGL=1+1/(FBR*(1/REINSL-1/RZWEIL))",
    r"r\d(1)=\f(1;1/(f\m(n-1))+1/r\d(2)) ~ REINSL=1/(1/(FBR*(NGL-1))+1/RZWEIL)",
    r"r\d(2)=\f(1;1/r\d(1)-1/(f\m(n-1))) ~ RZWEIL=1/(1/REINSL-1/(FBR*(NGL-1)))"])
f("Vergrößerung einer Lupe", ["VLUP", "SNULL", "FBR"], [
    r"V=\f(s\d(0);f) ~ VLUP=SNULL/FBR",
    r"f=\f(s\d(0);V) ~ FBR=SNULL/VLUP"])
f("Vergrößerung eines Fernrohrs", ["VLUP", "FOBJ", "FOK"], [
    r"V=\f(f\d(Obj);f\d(Ok)) ~ VLUP=FOBJ/FOK",
    r"f\d(Obj)=V\mf\d(Ok) ~ FOBJ=VLUP*FOK",
    r"f\d(Ok)=\f(f\d(Obj);V) ~ FOK=FOBJ/VLUP"])

topic("Wellenoptik")
f("Beugung am Gitter (Maxima)", ["ABEUG", "KORD", "LAMBDA", "GGIT"], [
    r"\c(a)=arcsin\f(k\m\c(l);g) ~ ABEUG=ARCSIN(KORD*LAMBDA/GGIT)",
    r"\c(l)=\f(g\msin \c(a);k) ~ LAMBDA=GGIT*SIN(ABEUG)/KORD",
    r"g=\f(k\m\c(l);sin \c(a)) ~ GGIT=KORD*LAMBDA/SIN(ABEUG)",
    r"k=\f(g\msin \c(a);\c(l)) ~ KORD=GGIT*SIN(ABEUG)/LAMBDA"])
f("Wellenlänge des Lichts", ["LAMBDA", "CNULL", "FLICHT"], [
    r"\c(l)=\f(c\d(0);f) ~ LAMBDA=CNULL/FLICHT",
    r"f=\f(c\d(0);\c(l)) ~ FLICHT=CNULL/LAMBDA"])

topic("Licht als Teilchen")
f("Energie eines Photons", ["WPH", "HPL", "FLICHT"], [
    r"E=h\mf ~ WPH=HPL*FLICHT",
    r"f=\f(E;h) ~ FLICHT=WPH/HPL"])
f("Energie eines Photons aus der Wellenlänge", ["WPH", "HPL", "CNULL", "LAMBDA"], [
    r"E=\f(h\mc\d(0);\c(l)) ~ WPH=HPL*CNULL/LAMBDA",
    r"\c(l)=\f(h\mc\d(0);E) ~ LAMBDA=HPL*CNULL/WPH"])
f("Äußerer Photoeffekt (Einstein-Gleichung)", ["WKE", "HPL", "FLICHT", "WA"], [
    r"E\d(kin)=h\mf-W\d(A) ~ WKE=HPL*FLICHT-WA",
    r"f=\f(E\d(kin)+W\d(A);h) ~ FLICHT=(WKE+WA)/HPL",
    r"W\d(A)=h\mf-E\d(kin) ~ WA=HPL*FLICHT-WKE"], ex="FLICHT=1,2E15")
f("Impuls eines Photons", ["PPH", "HPL", "LAMBDA"], [
    r"p=\f(h;\c(l)) ~ PPH=HPL/LAMBDA",
    r"\c(l)=\f(h;p) ~ LAMBDA=HPL/PPH"])
f("De-Broglie-Wellenlänge", ["LAMBDA", "HPL", "MTEIL", "VT"], [
    r"\c(l)=\f(h;m\mv) ~ LAMBDA=HPL/(MTEIL*VT)",
    r"m=\f(h;\c(l)\mv) ~ MTEIL=HPL/(LAMBDA*VT)",
    r"v=\f(h;\c(l)\mm) ~ VT=HPL/(LAMBDA*MTEIL)"])

topic("Lichttechnik")
f("Beleuchtungsstärke", ["EV", "LSTROM", "AB"], [
    r"E\d(v)=\f(\c(F)\d(v);A) ~ EV=LSTROM/AB",
    r"\c(F)\d(v)=E\d(v)\mA ~ LSTROM=EV*AB",
    r"A=\f(\c(F)\d(v);E\d(v)) ~ AB=LSTROM/EV"])
f("Photometrisches Entfernungsgesetz", ["EV", "IV", "RLQ"], [
    r"E\d(v)=\f(I\d(v);r\u(2)) ~ EV=IV/RLQ^2",
    r"I\d(v)=E\d(v)\mr\u(2) ~ IV=EV*RLQ^2",
    r"r=\r(\f(I\d(v);E\d(v))) ~ RLQ=SQRT(IV/EV)"])


area("08_schwingungen", "Schwingungen und Wellen")
nr(800)
q("FS", "Frequenz", "f", "Hz", "Hertz", "frequenz", abl="1/s", ex="50")
q("TS", "Periodendauer", "T", "s", "Sekunde", "zeit", ex="0,8")
q("OMS", "Kreisfrequenz", "\\c(w)", "1/s", "je Sekunde", ex="6")
q("LPEND", "Pendellänge", "l", "m", "Meter", "laenge", ex="1,2")
q("YS", "Auslenkung", "y", "m", "Meter", "laenge", ex="0,03")
q("YMAX", "Amplitude", "y\\d(max)", "m", "Meter", "laenge", ex="0,05")
q("TZ", "Zeitpunkt", "t", "s", "Sekunde", "zeit", ex="0,1")
q("WS", "Schwingungsenergie", "W", "J", "Joule", "energie", abl="N\\mm", ex="0,5")
q("VMAX", "Größte Geschwindigkeit", "v\\d(max)", "m/s", "Meter je Sekunde", "geschw", ex="0,3")
q("YNULL", "Anfangsamplitude", "y\\d(0)", "m", "Meter", "laenge", ex="0,08")
q("DELTA", "Abklingkonstante", "\\c(d)", "1/s", "je Sekunde", ex="0,4")
q("CWELLE", "Ausbreitungsgeschwindigkeit", "c", "m/s", "Meter je Sekunde", "geschw", ex="343")
q("LAMWEL", "Wellenlänge", "\\c(l)", "m", "Meter", "laenge", ex="0,78")
q("KW", "Kreiswellenzahl", "k", "1/m", "je Meter", ex="8")
q("KAPG", "Isentropenexponent des Gases", "\\c(k)", "1", "ohne Einheit", ex="1,4")
q("MMOLG", "Molare Masse des Gases", "M", "kg/mol", "Kilogramm je Mol", ex="0,028965")
q("TGAS", "Temperatur des Gases", "T", "K", "Kelvin", ex="293,15")
q("EST", "Elastizitätsmodul des Stabes", "E", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="210E9")
q("RHOST", "Dichte des Stabes", "\\c(r)", "kg/m\\u(3)", "Kilogramm je Kubikmeter", "dichte", ex="7850")
q("LSAITE", "Länge der Saite", "l", "m", "Meter", "laenge", ex="0,65")
q("FSAITE", "Spannkraft der Saite", "F", "N", "Newton", "kraft", ex="70")
q("MYSAITE", "Längenbezogene Masse der Saite", "\\c(m)", "kg/m", "Kilogramm je Meter", ex="0,0004")
q("LPEGEL", "Schallintensitätspegel", "L", "dB", "Dezibel", ex="70")
q("ISCH", "Schallintensität", "I", "W/m\\u(2)", "Watt je Quadratmeter", ex="1E-5")
q("LPD", "Schalldruckpegel", "L\\d(p)", "dB", "Dezibel", ex="80")
q("PSCH", "Schalldruck (Effektivwert)", "p", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="0,2")
q("PSQ", "Schallleistung", "P", "W", "Watt", "leistung", abl="J/s", ex="0,01")
q("ASCH", "Durchstrahlte Fläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="4")
q("FB", "Wahrgenommene Frequenz", "f\\d(B)", "Hz", "Hertz", "frequenz", abl="1/s", ex="470")
q("FQ", "Frequenz der Quelle", "f\\d(Q)", "Hz", "Hertz", "frequenz", abl="1/s", ex="440")
q("VQ", "Geschwindigkeit der Quelle", "v\\d(Q)", "m/s", "Meter je Sekunde", "geschw", ex="25")
q("VB", "Geschwindigkeit des Beobachters", "v\\d(B)", "m/s", "Meter je Sekunde", "geschw", ex="20")
q("NORD", "Ordnung der Eigenschwingung", "n", "1", "ohne Einheit", ex="3")

topic("Harmonische Schwingungen")
f("Frequenz und Periodendauer", ["FS", "TS"], [
    r"f=\f(1;T) ~ FS=1/TS",
    r"T=\f(1;f) ~ TS=1/FS"])
f("Kreisfrequenz", ["OMS", "FS"], [
    r"\c(w)=2\m\c(p)\mf ~ OMS=2*" + P + "*FS",
    r"f=\f(\c(w);2\m\c(p)) ~ FS=OMS/(2*" + P + ")"])
f("Auslenkung einer harmonischen Schwingung", ["YS", "YMAX", "OMS", "TZ"], [
    r"y=y\d(max)\msin(\c(w)\mt) ~ YS=YMAX*SIN(OMS*TZ)",
    r"y\d(max)=\f(y;sin(\c(w)\mt)) ~ YMAX=YS/SIN(OMS*TZ)",
    r"\c(w)=\f(arcsin(y/y\d(max));t) ~ OMS=ARCSIN(YS/YMAX)/TZ",
    r"t=\f(arcsin(y/y\d(max));\c(w)) ~ TZ=ARCSIN(YS/YMAX)/OMS"])
f("Energie einer Federschwingung", ["WS", "DFED", "YMAX"], [
    r"W=\f(D;2)\my\d(max)\u(2) ~ WS=DFED/2*YMAX^2",
    r"D=\f(2\mW;y\d(max)\u(2)) ~ DFED=2*WS/YMAX^2",
    r"y\d(max)=\r(\f(2\mW;D)) ~ YMAX=SQRT(2*WS/DFED)"])
f("Größte Geschwindigkeit einer harmonischen Schwingung", ["VMAX", "OMS", "YMAX"], [
    r"v\d(max)=\c(w)\my\d(max) ~ VMAX=OMS*YMAX",
    r"\c(w)=\f(v\d(max);y\d(max)) ~ OMS=VMAX/YMAX",
    r"y\d(max)=\f(v\d(max);\c(w)) ~ YMAX=VMAX/OMS"])
f("Amplitude einer gedämpften Schwingung", ["YMAX", "YNULL", "DELTA", "TZ"], [
    r"y\d(max)=y\d(0)\me\u(-\c(d)\mt) ~ YMAX=YNULL*EXP(-DELTA*TZ)",
    r"y\d(0)=y\d(max)\me\u(\c(d)\mt) ~ YNULL=YMAX*EXP(DELTA*TZ)",
    r"\c(d)=\f(l\n(y\d(0)/y\d(max));t) ~ DELTA=LN(YNULL/YMAX)/TZ",
    r"t=\f(l\n(y\d(0)/y\d(max));\c(d)) ~ TZ=LN(YNULL/YMAX)/DELTA"], ex="TZ=2")

topic("Pendel und Schwingkreis")
f("Periodendauer eines Federpendels", ["TS", "M", "DFED"], [
    r"T=2\m\c(p)\r(\f(m;D)) ~ TS=2*" + P + "*SQRT(M/DFED)",
    r"m=\f(D\mT\u(2);4\m\c(p)\u(2)) ~ M=DFED*TS^2/(4*" + P + "^2)",
    r"D=\f(4\m\c(p)\u(2)\mm;T\u(2)) ~ DFED=4*" + P + "^2*M/TS^2"], ex="M=0,5")
f("Periodendauer eines Fadenpendels", ["TS", "LPEND", "G"], [
    r"T=2\m\c(p)\r(\f(l;g)) ~ TS=2*" + P + "*SQRT(LPEND/G)",
    r"l=\f(g\mT\u(2);4\m\c(p)\u(2)) ~ LPEND=G*TS^2/(4*" + P + "^2)"], grafik="fadenpendel")
f("Periodendauer eines Schwingkreises", ["TS", "LIND", "C"], [
    r"T=2\m\c(p)\r(L\mC) ~ TS=2*" + P + "*SQRT(LIND*C)",
    r"L=\f(T\u(2);4\m\c(p)\u(2)\mC) ~ LIND=TS^2/(4*" + P + "^2*C)",
    r"C=\f(T\u(2);4\m\c(p)\u(2)\mL) ~ C=TS^2/(4*" + P + "^2*LIND)"])

topic("Mechanische Wellen")
f("Ausbreitungsgeschwindigkeit einer Welle", ["CWELLE", "LAMWEL", "FS"], [
    r"c=\c(l)\mf ~ CWELLE=LAMWEL*FS",
    r"\c(l)=\f(c;f) ~ LAMWEL=CWELLE/FS",
    r"f=\f(c;\c(l)) ~ FS=CWELLE/LAMWEL"], ex="FS=440")
f("Kreiswellenzahl", ["KW", "LAMWEL"], [
    r"k=\f(2\m\c(p);\c(l)) ~ KW=2*" + P + "/LAMWEL",
    r"\c(l)=\f(2\m\c(p);k) ~ LAMWEL=2*" + P + "/KW"])
f("Eigenfrequenzen einer schwingenden Saite", ["FS", "NORD", "CWELLE", "LSAITE"], [
    r"f=\f(n\mc;2\ml) ~ FS=NORD*CWELLE/(2*LSAITE)",
    r"c=\f(2\ml\mf;n) ~ CWELLE=2*LSAITE*FS/NORD",
    r"l=\f(n\mc;2\mf) ~ LSAITE=NORD*CWELLE/(2*FS)"], ex="CWELLE=420")
f("Grundfrequenz einer gespannten Saite", ["FS", "LSAITE", "FSAITE", "MYSAITE"], [
    r"f=\f(1;2\ml)\m\r(\f(F;\c(m))) ~ FS=1/(2*LSAITE)*SQRT(FSAITE/MYSAITE)",
    r"l=\f(1;2\mf)\m\r(\f(F;\c(m))) ~ LSAITE=1/(2*FS)*SQRT(FSAITE/MYSAITE)",
    r"F=4\ml\u(2)\mf\u(2)\m\c(m) ~ FSAITE=4*LSAITE^2*FS^2*MYSAITE",
    r"\c(m)=\f(F;4\ml\u(2)\mf\u(2)) ~ MYSAITE=FSAITE/(4*LSAITE^2*FS^2)"])

topic("Akustik")
f("Schallgeschwindigkeit in Gasen", ["CWELLE", "KAPG", "RGAS", "TGAS", "MMOLG"], [
    r"c=\r(\f(\c(k)\mR\mT;M)) ~ CWELLE=SQRT(KAPG*RGAS*TGAS/MMOLG)",
    r"T=\f(c\u(2)\mM;\c(k)\mR) ~ TGAS=CWELLE^2*MMOLG/(KAPG*RGAS)",
    r"M=\f(\c(k)\mR\mT;c\u(2)) ~ MMOLG=KAPG*RGAS*TGAS/CWELLE^2",
    r"\c(k)=\f(c\u(2)\mM;R\mT) ~ KAPG=CWELLE^2*MMOLG/(RGAS*TGAS)"])
f("Schallgeschwindigkeit in einem Stab", ["CWELLE", "EST", "RHOST"], [
    r"c=\r(\f(E;\c(r))) ~ CWELLE=SQRT(EST/RHOST)",
    r"E=c\u(2)\m\c(r) ~ EST=CWELLE^2*RHOST",
    r"\c(r)=\f(E;c\u(2)) ~ RHOST=EST/CWELLE^2"])
f("Schallintensitätspegel", ["LPEGEL", "ISCH", "INULL"], [
    r"L=10\mlg\f(I;I\d(0)) dB ~ LPEGEL=10*LG(ISCH/INULL)",
    r"I=I\d(0)\m10\u(L/10) ~ ISCH=INULL*10^(LPEGEL/10)"])
f("Schalldruckpegel", ["LPD", "PSCH", "PNULLS"], [
    r"L\d(p)=20\mlg\f(p;p\d(0)) dB ~ LPD=20*LG(PSCH/PNULLS)",
    r"p=p\d(0)\m10\u(L\d(p)/20) ~ PSCH=PNULLS*10^(LPD/20)"])
f("Schallintensität", ["ISCH", "PSQ", "ASCH"], [
    r"I=\f(P;A) ~ ISCH=PSQ/ASCH",
    r"P=I\mA ~ PSQ=ISCH*ASCH",
    r"A=\f(P;I) ~ ASCH=PSQ/ISCH"])

topic("Doppler-Effekt")
f("Doppler-Effekt bei bewegter Quelle (Annäherung)", ["FB", "FQ", "CWELLE", "VQ"], [
    r"f\d(B)=f\d(Q)\m\f(c;c-v\d(Q)) ~ FB=FQ*CWELLE/(CWELLE-VQ)",
    r"f\d(Q)=f\d(B)\m\f(c-v\d(Q);c) ~ FQ=FB*(CWELLE-VQ)/CWELLE",
    r"v\d(Q)=c\m(1-\f(f\d(Q);f\d(B))) ~ VQ=CWELLE*(1-FQ/FB)",
    r"c=\f(v\d(Q)\mf\d(B);f\d(B)-f\d(Q)) ~ CWELLE=VQ*FB/(FB-FQ)"])
f("Doppler-Effekt bei bewegtem Beobachter (Annäherung)", ["FB", "FQ", "CWELLE", "VB"], [
    r"f\d(B)=f\d(Q)\m\f(c+v\d(B);c) ~ FB=FQ*(CWELLE+VB)/CWELLE",
    r"f\d(Q)=f\d(B)\m\f(c;c+v\d(B)) ~ FQ=FB*CWELLE/(CWELLE+VB)",
    r"v\d(B)=c\m(\f(f\d(B);f\d(Q))-1) ~ VB=CWELLE*(FB/FQ-1)",
    r"c=\f(v\d(B)\mf\d(Q);f\d(B)-f\d(Q)) ~ CWELLE=VB*FQ/(FB-FQ)"])
