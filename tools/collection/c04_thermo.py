from sammlung import q, f, area, topic, nr

area("04_thermo", "Thermodynamik")
nr(400)
q("TK", "Thermodynamische Temperatur", "T", "K", "Kelvin", ex="293,15")
q("TC", "Celsius-Temperatur", "\\c(j)", "°C", "Grad Celsius", ex="20")
q("TF", "Fahrenheit-Temperatur", "\\c(j)\\d(F)", "°F", "Grad Fahrenheit", ex="68")
q("DTK", "Temperaturdifferenz", "\\c(D)T", "K", "Kelvin", ex="40")
q("ALPL", "Längenausdehnungskoeffizient", "\\c(a)", "1/K", "je Kelvin", ex="1,2E-5")
q("GAMV", "Volumenausdehnungskoeffizient", "\\c(g)", "1/K", "je Kelvin", ex="0,00021")
q("DVOL", "Volumenänderung", "\\c(D)V", "m\\u(3)", "Kubikmeter", "volumen", ex="0,0002")
q("VNULL", "Ausgangsvolumen", "V\\d(0)", "m\\u(3)", "Kubikmeter", "volumen", ex="0,05")
q("QW", "Wärme", "Q", "J", "Joule", "energie", abl="N\\mm", ex="84000")
q("CSP", "Spezifische Wärmekapazität", "c", "J/(kg\\mK)", "Joule je Kilogramm und Kelvin", ex="4190")
q("QSCHM", "Spezifische Schmelzwärme", "q\\d(s)", "J/kg", "Joule je Kilogramm", ex="334000")
q("RVERD", "Spezifische Verdampfungswärme", "r", "J/kg", "Joule je Kilogramm", ex="2257000")
q("TMISCH", "Mischungstemperatur", "\\c(j)\\d(m)", "°C", "Grad Celsius", ex="30")
q("CEINS", "Spezifische Wärmekapazität des ersten Stoffes", "c\\d(1)", "J/(kg\\mK)", "Joule je Kilogramm und Kelvin", ex="4190")
q("CZWEI", "Spezifische Wärmekapazität des zweiten Stoffes", "c\\d(2)", "J/(kg\\mK)", "Joule je Kilogramm und Kelvin", ex="900")
q("TEINS", "Temperatur des ersten Stoffes", "\\c(j)\\d(1)", "°C", "Grad Celsius", ex="15")
q("TZWEI", "Temperatur des zweiten Stoffes", "\\c(j)\\d(2)", "°C", "Grad Celsius", ex="180")
q("PGAS", "Gasdruck", "p", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="200000")
q("VGAS", "Gasvolumen", "V", "m\\u(3)", "Kubikmeter", "volumen", ex="0,025")
q("NMOL", "Stoffmenge", "n", "mol", "Mol", "stoffmen", ex="2")
q("RS", "Spezifische Gaskonstante", "R\\d(s)", "J/(kg\\mK)", "Joule je Kilogramm und Kelvin", ex="287,05")
q("PGEINS", "Druck im Zustand 1", "p\\d(1)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="100000")
q("PGZWEI", "Druck im Zustand 2", "p\\d(2)", "Pa", "Pascal", "druck", abl="N/m\\u(2)", ex="250000")
q("VGEINS", "Volumen im Zustand 1", "V\\d(1)", "m\\u(3)", "Kubikmeter", "volumen", ex="0,003")
q("VGZWEI", "Volumen im Zustand 2", "V\\d(2)", "m\\u(3)", "Kubikmeter", "volumen", ex="0,0015")
q("TGEINS", "Temperatur im Zustand 1", "T\\d(1)", "K", "Kelvin", ex="293,15")
q("TGZWEI", "Temperatur im Zustand 2", "T\\d(2)", "K", "Kelvin", ex="373,15")
q("WV", "Vom Gas verrichtete Arbeit", "W", "J", "Joule", "energie", abl="N\\mm", ex="1200")
q("KAPPA", "Isentropenexponent", "\\c(k)", "1", "ohne Einheit", ex="1,4")
q("PHIW", "Wärmestrom", "\\c(F)", "W", "Watt", "leistung", abl="J/s", ex="450")
q("LAMW", "Wärmeleitfähigkeit", "\\c(l)", "W/(m\\mK)", "Watt je Meter und Kelvin", ex="0,8")
q("AW", "Fläche", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="12")
q("DW", "Wanddicke", "d", "m", "Meter", "laenge", ex="0,24")
q("ALPW", "Wärmeübergangskoeffizient", "\\c(a)", "W/(m\\u(2)\\mK)", "Watt je Quadratmeter-Kelvin", ex="8")
q("UWERT", "Wärmedurchgangskoeffizient", "U", "W/(m\\u(2)\\mK)", "Watt je Quadratmeter-Kelvin", ex="1,3")
q("EMISS", "Emissionsgrad", "\\c(e)", "1", "ohne Einheit", ex="0,9")
q("RLAM", "Wärmedurchlasswiderstand", "R", "m\\u(2)\\mK/W", "Quadratmeter-Kelvin je Watt", ex="0,3")
q("TKALT", "Temperatur des kalten Reservoirs", "T\\d(u)", "K", "Kelvin", ex="293,15")
q("TWARM", "Temperatur des warmen Reservoirs", "T\\d(o)", "K", "Kelvin", ex="873,15")
q("ETAC", "Carnot-Wirkungsgrad", "\\c(h)\\d(C)", "1", "ohne Einheit", ex="0,6")
q("EPSWP", "Leistungszahl der Wärmepumpe", "\\c(e)\\d(WP)", "1", "ohne Einheit", ex="3,5")
q("PEL", "Elektrische Antriebsleistung", "P", "W", "Watt", "leistung", abl="J/s", ex="2500")
q("ETATH", "Thermischer Wirkungsgrad", "\\c(h)\\d(th)", "1", "ohne Einheit", ex="0,35")
q("QZU", "Zugeführte Wärme", "Q\\d(zu)", "J", "Joule", "energie", abl="N\\mm", ex="50000")
q("WNUTZ", "Nutzarbeit", "W", "J", "Joule", "energie", abl="N\\mm", ex="17500")
q("DS", "Entropieänderung", "\\c(D)S", "J/K", "Joule je Kelvin", ex="25")
q("WTEIL", "Mittlere kinetische Energie eines Teilchens", "E\\d(kin)", "J", "Joule", "energie", abl="N\\mm", ex="6E-21")

topic("Temperatur und Wärmeausdehnung")
f("Celsius-Temperatur und Kelvin", ["TK", "TC"], [
    r"T=\c(j)+273,15 K ~ TK=TC+273,15",
    r"\c(j)=T-273,15 K ~ TC=TK-273,15"])
f("Fahrenheit und Celsius", ["TF", "TC"], [
    r"\c(j)\d(F)=1,8\m\c(j)+32 ~ TF=1,8*TC+32",
    r"\c(j)=\f(\c(j)\d(F)-32;1,8) ~ TC=(TF-32)/1,8"])
f("Längenausdehnung", ["DLEN", "ALPL", "LNULL", "DTK"], [
    r"\c(D)l=\c(a)\ml\d(0)\m\c(D)T ~ DLEN=ALPL*LNULL*DTK",
    r"\c(a)=\f(\c(D)l;l\d(0)\m\c(D)T) ~ ALPL=DLEN/(LNULL*DTK)",
    r"l\d(0)=\f(\c(D)l;\c(a)\m\c(D)T) ~ LNULL=DLEN/(ALPL*DTK)",
    r"\c(D)T=\f(\c(D)l;\c(a)\ml\d(0)) ~ DTK=DLEN/(ALPL*LNULL)"])
f("Volumenausdehnung", ["DVOL", "GAMV", "VNULL", "DTK"], [
    r"\c(D)V=\c(g)\mV\d(0)\m\c(D)T ~ DVOL=GAMV*VNULL*DTK",
    r"\c(g)=\f(\c(D)V;V\d(0)\m\c(D)T) ~ GAMV=DVOL/(VNULL*DTK)",
    r"V\d(0)=\f(\c(D)V;\c(g)\m\c(D)T) ~ VNULL=DVOL/(GAMV*DTK)",
    r"\c(D)T=\f(\c(D)V;\c(g)\mV\d(0)) ~ DTK=DVOL/(GAMV*VNULL)"])

topic("Wärmemenge")
f("Wärme bei Temperaturänderung", ["QW", "CSP", "M", "DTK"], [
    r"Q=c\mm\m\c(D)T ~ QW=CSP*M*DTK",
    r"c=\f(Q;m\m\c(D)T) ~ CSP=QW/(M*DTK)",
    r"m=\f(Q;c\m\c(D)T) ~ M=QW/(CSP*DTK)",
    r"\c(D)T=\f(Q;c\mm) ~ DTK=QW/(CSP*M)"], ex="M=0,5")
f("Schmelzwärme", ["QW", "M", "QSCHM"], [
    r"Q=m\mq\d(s) ~ QW=M*QSCHM",
    r"m=\f(Q;q\d(s)) ~ M=QW/QSCHM",
    r"q\d(s)=\f(Q;m) ~ QSCHM=QW/M"], ex="M=0,5")
f("Verdampfungswärme", ["QW", "M", "RVERD"], [
    r"Q=m\mr ~ QW=M*RVERD",
    r"m=\f(Q;r) ~ M=QW/RVERD",
    r"r=\f(Q;m) ~ RVERD=QW/M"], ex="M=0,5")
f("Mischungstemperatur", ["TMISCH", "MEINS", "CEINS", "TEINS", "MZWEI", "CZWEI", "TZWEI"], [
    r"\c(j)\d(m)=\f(m\d(1)\mc\d(1)\m\c(j)\d(1)+m\d(2)\mc\d(2)\m\c(j)\d(2);m\d(1)\mc\d(1)+m\d(2)\mc\d(2)) ~ TMISCH=(MEINS*CEINS*TEINS+MZWEI*CZWEI*TZWEI)/(MEINS*CEINS+MZWEI*CZWEI)",
    r"\c(j)\d(1)=\f(\c(j)\d(m)\m(m\d(1)\mc\d(1)+m\d(2)\mc\d(2))-m\d(2)\mc\d(2)\m\c(j)\d(2);m\d(1)\mc\d(1)) ~ TEINS=(TMISCH*(MEINS*CEINS+MZWEI*CZWEI)-MZWEI*CZWEI*TZWEI)/(MEINS*CEINS)",
    r"\c(j)\d(2)=\f(\c(j)\d(m)\m(m\d(1)\mc\d(1)+m\d(2)\mc\d(2))-m\d(1)\mc\d(1)\m\c(j)\d(1);m\d(2)\mc\d(2)) ~ TZWEI=(TMISCH*(MEINS*CEINS+MZWEI*CZWEI)-MEINS*CEINS*TEINS)/(MZWEI*CZWEI)",
    r"m\d(1)=\f(m\d(2)\mc\d(2)\m(\c(j)\d(2)-\c(j)\d(m));c\d(1)\m(\c(j)\d(m)-\c(j)\d(1))) ~ MEINS=MZWEI*CZWEI*(TZWEI-TMISCH)/(CEINS*(TMISCH-TEINS))",
    r"m\d(2)=\f(m\d(1)\mc\d(1)\m(\c(j)\d(m)-\c(j)\d(1));c\d(2)\m(\c(j)\d(2)-\c(j)\d(m))) ~ MZWEI=MEINS*CEINS*(TMISCH-TEINS)/(CZWEI*(TZWEI-TMISCH))"])

topic("Ideales Gas")
f("Zustandsgleichung des idealen Gases", ["PGAS", "NMOL", "RGAS", "TK", "VGAS"], [
    r"p=\f(n\mR\mT;V) ~ PGAS=NMOL*RGAS*TK/VGAS",
    r"V=\f(n\mR\mT;p) ~ VGAS=NMOL*RGAS*TK/PGAS",
    r"n=\f(p\mV;R\mT) ~ NMOL=PGAS*VGAS/(RGAS*TK)",
    r"T=\f(p\mV;n\mR) ~ TK=PGAS*VGAS/(NMOL*RGAS)"], ex="NMOL=2; VGAS=0,05")
f("Zustandsgleichung mit spezifischer Gaskonstante", ["PGAS", "M", "RS", "TK", "VGAS"], [
    r"p=\f(m\mR\d(s)\mT;V) ~ PGAS=M*RS*TK/VGAS",
    r"V=\f(m\mR\d(s)\mT;p) ~ VGAS=M*RS*TK/PGAS",
    r"m=\f(p\mV;R\d(s)\mT) ~ M=PGAS*VGAS/(RS*TK)",
    r"R\d(s)=\f(p\mV;m\mT) ~ RS=PGAS*VGAS/(M*TK)",
    r"T=\f(p\mV;m\mR\d(s)) ~ TK=PGAS*VGAS/(M*RS)"], ex="M=1,2; VGAS=1")
f("Isotherme Zustandsänderung (Boyle-Mariotte)", ["PGZWEI", "PGEINS", "VGEINS", "VGZWEI"], [
    r"p\d(2)=\f(p\d(1)\mV\d(1);V\d(2)) ~ PGZWEI=PGEINS*VGEINS/VGZWEI",
    r"p\d(1)=\f(p\d(2)\mV\d(2);V\d(1)) ~ PGEINS=PGZWEI*VGZWEI/VGEINS",
    r"V\d(2)=\f(p\d(1)\mV\d(1);p\d(2)) ~ VGZWEI=PGEINS*VGEINS/PGZWEI",
    r"V\d(1)=\f(p\d(2)\mV\d(2);p\d(1)) ~ VGEINS=PGZWEI*VGZWEI/PGEINS"])
f("Isobare Zustandsänderung (Gay-Lussac)", ["VGZWEI", "VGEINS", "TGZWEI", "TGEINS"], [
    r"V\d(2)=V\d(1)\m\f(T\d(2);T\d(1)) ~ VGZWEI=VGEINS*TGZWEI/TGEINS",
    r"V\d(1)=V\d(2)\m\f(T\d(1);T\d(2)) ~ VGEINS=VGZWEI*TGEINS/TGZWEI",
    r"T\d(2)=T\d(1)\m\f(V\d(2);V\d(1)) ~ TGZWEI=TGEINS*VGZWEI/VGEINS",
    r"T\d(1)=T\d(2)\m\f(V\d(1);V\d(2)) ~ TGEINS=TGZWEI*VGEINS/VGZWEI"])
f("Isochore Zustandsänderung (Amontons)", ["PGZWEI", "PGEINS", "TGZWEI", "TGEINS"], [
    r"p\d(2)=p\d(1)\m\f(T\d(2);T\d(1)) ~ PGZWEI=PGEINS*TGZWEI/TGEINS",
    r"p\d(1)=p\d(2)\m\f(T\d(1);T\d(2)) ~ PGEINS=PGZWEI*TGEINS/TGZWEI",
    r"T\d(2)=T\d(1)\m\f(p\d(2);p\d(1)) ~ TGZWEI=TGEINS*PGZWEI/PGEINS",
    r"T\d(1)=T\d(2)\m\f(p\d(1);p\d(2)) ~ TGEINS=TGZWEI*PGEINS/PGZWEI"])
f("Allgemeine Gasgleichung", ["PGZWEI", "PGEINS", "VGEINS", "TGZWEI", "VGZWEI", "TGEINS"], [
    r"p\d(2)=\f(p\d(1)\mV\d(1)\mT\d(2);V\d(2)\mT\d(1)) ~ PGZWEI=PGEINS*VGEINS*TGZWEI/(VGZWEI*TGEINS)",
    r"p\d(1)=\f(p\d(2)\mV\d(2)\mT\d(1);V\d(1)\mT\d(2)) ~ PGEINS=PGZWEI*VGZWEI*TGEINS/(VGEINS*TGZWEI)",
    r"V\d(2)=\f(p\d(1)\mV\d(1)\mT\d(2);p\d(2)\mT\d(1)) ~ VGZWEI=PGEINS*VGEINS*TGZWEI/(PGZWEI*TGEINS)",
    r"V\d(1)=\f(p\d(2)\mV\d(2)\mT\d(1);p\d(1)\mT\d(2)) ~ VGEINS=PGZWEI*VGZWEI*TGEINS/(PGEINS*TGZWEI)",
    r"T\d(2)=\f(p\d(2)\mV\d(2)\mT\d(1);p\d(1)\mV\d(1)) ~ TGZWEI=PGZWEI*VGZWEI*TGEINS/(PGEINS*VGEINS)",
    r"T\d(1)=\f(p\d(1)\mV\d(1)\mT\d(2);p\d(2)\mV\d(2)) ~ TGEINS=PGEINS*VGEINS*TGZWEI/(PGZWEI*VGZWEI)"])
f("Mittlere kinetische Energie eines Gasteilchens", ["WTEIL", "KB", "TK"], [
    r"E\d(kin)=\f(3;2)\mk\d(B)\mT ~ WTEIL=3/2*KB*TK",
    r"T=\f(2\mE\d(kin);3\mk\d(B)) ~ TK=2*WTEIL/(3*KB)"])

topic("Zustandsänderungen und Arbeit")
f("Volumenänderungsarbeit bei konstantem Druck", ["WV", "PGAS", "DVOL"], [
    r"W=p\m\c(D)V ~ WV=PGAS*DVOL",
    r"p=\f(W;\c(D)V) ~ PGAS=WV/DVOL",
    r"\c(D)V=\f(W;p) ~ DVOL=WV/PGAS"], ex="DVOL=0,006")
f("Arbeit bei isothermer Expansion", ["WV", "NMOL", "RGAS", "TK", "VGZWEI", "VGEINS"], [
    r"W=n\mR\mT\ml\n\f(V\d(2);V\d(1)) ~ WV=NMOL*RGAS*TK*LN(VGZWEI/VGEINS)",
    r"n=\f(W;R\mT\mln(V\d(2)/V\d(1))) ~ NMOL=WV/(RGAS*TK*LN(VGZWEI/VGEINS))",
    r"T=\f(W;n\mR\ml\n(V\d(2)/V\d(1))) ~ TK=WV/(NMOL*RGAS*LN(VGZWEI/VGEINS))",
    r"V\d(2)=V\d(1)\me\u(W/(n\mR\mT)) ~ VGZWEI=VGEINS*EXP(WV/(NMOL*RGAS*TK))",
    r"V\d(1)=V\d(2)\me\u(-W/(n\mR\mT)) ~ VGEINS=VGZWEI*EXP(-WV/(NMOL*RGAS*TK))"], ex="VGZWEI=0,006")
f("Isentrope (adiabatische) Zustandsänderung", ["PGZWEI", "PGEINS", "VGEINS", "VGZWEI", "KAPPA"], [
    r"p\d(2)=p\d(1)\m(\f(V\d(1);V\d(2)))\u(\c(k)) ~ PGZWEI=PGEINS*(VGEINS/VGZWEI)^KAPPA",
    r"p\d(1)=p\d(2)\m(\f(V\d(2);V\d(1)))\u(\c(k)) ~ PGEINS=PGZWEI*(VGZWEI/VGEINS)^KAPPA",
    r"V\d(2)=V\d(1)\m(\f(p\d(1);p\d(2)))\u(1/\c(k)) ~ VGZWEI=VGEINS*(PGEINS/PGZWEI)^(1/KAPPA)",
    r"V\d(1)=V\d(2)\m(\f(p\d(2);p\d(1)))\u(1/\c(k)) ~ VGEINS=VGZWEI*(PGZWEI/PGEINS)^(1/KAPPA)",
    r"\c(k)=\f(ln(p\d(2)/p\d(1));ln(V\d(1)/V\d(2))) ~ KAPPA=LN(PGZWEI/PGEINS)/LN(VGEINS/VGZWEI)"])
f("Entropieänderung bei isothermer Wärmezufuhr", ["DS", "QW", "TK"], [
    r"\c(D)S=\f(Q;T) ~ DS=QW/TK",
    r"Q=T\m\c(D)S ~ QW=TK*DS",
    r"T=\f(Q;\c(D)S) ~ TK=QW/DS"])
f("Erster Hauptsatz der Thermodynamik", [], [
    r"\c(D)U=Q-W ~"])

topic("Wärmeübertragung")
f("Wärmeleitung durch eine ebene Wand", ["PHIW", "LAMW", "AW", "DTK", "DW"], [
    r"\c(F)=\f(\c(l)\mA\m\c(D)T;d) ~ PHIW=LAMW*AW*DTK/DW",
    r"\c(l)=\f(\c(F)\md;A\m\c(D)T) ~ LAMW=PHIW*DW/(AW*DTK)",
    r"A=\f(\c(F)\md;\c(l)\m\c(D)T) ~ AW=PHIW*DW/(LAMW*DTK)",
    r"\c(D)T=\f(\c(F)\md;\c(l)\mA) ~ DTK=PHIW*DW/(LAMW*AW)",
    r"d=\f(\c(l)\mA\m\c(D)T;\c(F)) ~ DW=LAMW*AW*DTK/PHIW"], ex="DTK=20")
f("Wärmeübergang", ["PHIW", "ALPW", "AW", "DTK"], [
    r"\c(F)=\c(a)\mA\m\c(D)T ~ PHIW=ALPW*AW*DTK",
    r"\c(a)=\f(\c(F);A\m\c(D)T) ~ ALPW=PHIW/(AW*DTK)",
    r"A=\f(\c(F);\c(a)\m\c(D)T) ~ AW=PHIW/(ALPW*DTK)",
    r"\c(D)T=\f(\c(F);\c(a)\mA) ~ DTK=PHIW/(ALPW*AW)"], ex="DTK=5")
f("Wärmedurchgang", ["PHIW", "UWERT", "AW", "DTK"], [
    r"\c(F)=U\mA\m\c(D)T ~ PHIW=UWERT*AW*DTK",
    r"U=\f(\c(F);A\m\c(D)T) ~ UWERT=PHIW/(AW*DTK)",
    r"A=\f(\c(F);U\m\c(D)T) ~ AW=PHIW/(UWERT*DTK)",
    r"\c(D)T=\f(\c(F);U\mA) ~ DTK=PHIW/(UWERT*AW)"], ex="DTK=25")
f("Wärmestrahlung (Stefan-Boltzmann-Gesetz)", ["PHIW", "EMISS", "SIGMASB", "AW", "TK"], [
    r"\c(F)=\c(e)\m\c(s)\mA\mT\u(4) ~ PHIW=EMISS*SIGMASB*AW*TK^4",
    r"\c(e)=\f(\c(F);\c(s)\mA\mT\u(4)) ~ EMISS=PHIW/(SIGMASB*AW*TK^4)",
    r"A=\f(\c(F);\c(e)\m\c(s)\mT\u(4)) ~ AW=PHIW/(EMISS*SIGMASB*TK^4)",
    r"T=\h(4)\w(\f(\c(F);\c(e)\m\c(s)\mA)) ~ TK=(PHIW/(EMISS*SIGMASB*AW))^(1/4)"], ex="AW=1,5; TK=600")
f("Wärmedurchlasswiderstand", ["RLAM", "DW", "LAMW"], [
    r"R=\f(d;\c(l)) ~ RLAM=DW/LAMW",
    r"d=R\m\c(l) ~ DW=RLAM*LAMW",
    r"\c(l)=\f(d;R) ~ LAMW=DW/RLAM"])

topic("Kreisprozesse und Wirkungsgrade")
f("Carnot-Wirkungsgrad", ["ETAC", "TKALT", "TWARM"], [
    r"\c(h)\d(C)=1-\f(T\d(u);T\d(o)) ~ ETAC=1-TKALT/TWARM",
    r"T\d(u)=T\d(o)\m(1-\c(h)\d(C)) ~ TKALT=TWARM*(1-ETAC)",
    r"T\d(o)=\f(T\d(u);1-\c(h)\d(C)) ~ TWARM=TKALT/(1-ETAC)"])
f("Leistungszahl einer Wärmepumpe", ["EPSWP", "PHIW", "PEL"], [
    r"\c(e)\d(WP)=\f(\c(F);P) ~ EPSWP=PHIW/PEL",
    r"\c(F)=\c(e)\d(WP)\mP ~ PHIW=EPSWP*PEL",
    r"P=\f(\c(F);\c(e)\d(WP)) ~ PEL=PHIW/EPSWP"], ex="PHIW=8000")
f("Thermischer Wirkungsgrad", ["ETATH", "WNUTZ", "QZU"], [
    r"\c(h)\d(th)=\f(W;Q\d(zu)) ~ ETATH=WNUTZ/QZU",
    r"W=\c(h)\d(th)\mQ\d(zu) ~ WNUTZ=ETATH*QZU",
    r"Q\d(zu)=\f(W;\c(h)\d(th)) ~ QZU=WNUTZ/ETATH"])
