from sammlung import q, f, area, topic, nr

P = "3,14159265358979324"

area("09_geometrie", "Geometrie")
nr(900)
q("GA", "Seite a", "a", "m", "Meter", "laenge", ex="4")
q("GB", "Seite b", "b", "m", "Meter", "laenge", ex="3")
q("GC", "Seite c", "c", "m", "Meter", "laenge", ex="5")
q("GFL", "Flächeninhalt", "A", "m\\u(2)", "Quadratmeter", "flaeche", ex="12")
q("GU", "Umfang", "U", "m", "Meter", "laenge", ex="14")
q("GD", "Diagonale", "d", "m", "Meter", "laenge", ex="5")
q("GG", "Grundseite", "g", "m", "Meter", "laenge", ex="6")
q("GH", "Höhe", "h", "m", "Meter", "laenge", ex="2,5")
q("GE", "Diagonale e", "e", "m", "Meter", "laenge", ex="6")
q("GF", "Diagonale f", "f", "m", "Meter", "laenge", ex="4")
q("GR", "Radius", "r", "m", "Meter", "laenge", ex="1,5")
q("GDM", "Durchmesser", "d", "m", "Meter", "laenge", ex="3")
q("GBOG", "Bogenlänge", "b", "m", "Meter", "laenge", ex="2")
q("GWI", "Mittelpunktswinkel", "\\c(a)", "rad", "Radiant", "winkel", ex="1,2")
q("GRA", "Außenradius", "R", "m", "Meter", "laenge", ex="2")
q("GRI", "Innenradius", "r", "m", "Meter", "laenge", ex="1,2")
q("GHA", "Große Halbachse", "a", "m", "Meter", "laenge", ex="5")
q("GHB", "Kleine Halbachse", "b", "m", "Meter", "laenge", ex="3")
q("GV", "Volumen", "V", "m\\u(3)", "Kubikmeter", "volumen", ex="24")
q("GO", "Oberfläche", "O", "m\\u(2)", "Quadratmeter", "flaeche", ex="52")
q("GM", "Mantelfläche", "M", "m\\u(2)", "Quadratmeter", "flaeche", ex="20")
q("GAG", "Grundfläche", "A\\d(G)", "m\\u(2)", "Quadratmeter", "flaeche", ex="9")
q("GS", "Mantellinie", "s", "m", "Meter", "laenge", ex="2,5")

topic("Vierecke")
f("Fläche eines Rechtecks", ["GFL", "GA", "GB"], [
    r"A=a\mb ~ GFL=GA*GB",
    r"a=\f(A;b) ~ GA=GFL/GB",
    r"b=\f(A;a) ~ GB=GFL/GA"], grafik="rechteck.png")
f("Umfang eines Rechtecks", ["GU", "GA", "GB"], [
    r"U=2\m(a+b) ~ GU=2*(GA+GB)",
    r"a=\f(U;2)-b ~ GA=GU/2-GB",
    r"b=\f(U;2)-a ~ GB=GU/2-GA"], grafik="rechteck.png")
f("Diagonale eines Rechtecks", ["GD", "GA", "GB"], [
    r"d=\r(a\u(2)+b\u(2)) ~ GD=SQRT(GA^2+GB^2)",
    r"a=\r(d\u(2)-b\u(2)) ~ GA=SQRT(GD^2-GB^2)",
    r"b=\r(d\u(2)-a\u(2)) ~ GB=SQRT(GD^2-GA^2)"], grafik="rechteck.png")
f("Fläche eines Quadrats", ["GFL", "GA"], [
    r"A=a\u(2) ~ GFL=GA^2",
    r"a=\r(A) ~ GA=SQRT(GFL)"])
f("Fläche eines Parallelogramms", ["GFL", "GG", "GH"], [
    r"A=g\mh ~ GFL=GG*GH",
    r"g=\f(A;h) ~ GG=GFL/GH",
    r"h=\f(A;g) ~ GH=GFL/GG"])
f("Fläche eines Trapezes", ["GFL", "GA", "GC", "GH"], [
    r"A=\f(a+c;2)\mh ~ GFL=(GA+GC)/2*GH",
    r"a=\f(2\mA;h)-c ~ GA=2*GFL/GH-GC",
    r"c=\f(2\mA;h)-a ~ GC=2*GFL/GH-GA",
    r"h=\f(2\mA;a+c) ~ GH=2*GFL/(GA+GC)"], ex="GA=6; GC=4; GH=2,5", grafik="trapez.png")
f("Fläche einer Raute", ["GFL", "GE", "GF"], [
    r"A=\f(e\mf;2) ~ GFL=GE*GF/2",
    r"e=\f(2\mA;f) ~ GE=2*GFL/GF",
    r"f=\f(2\mA;e) ~ GF=2*GFL/GE"])

topic("Dreiecke")
f("Fläche eines Dreiecks", ["GFL", "GG", "GH"], [
    r"A=\f(g\mh;2) ~ GFL=GG*GH/2",
    r"g=\f(2\mA;h) ~ GG=2*GFL/GH",
    r"h=\f(2\mA;g) ~ GH=2*GFL/GG"])
f("Satz des Pythagoras", ["GC", "GA", "GB"], [
    r"c\u(2)=a\u(2)+b\u(2) ~ =GC",
    r"c=\r(a\u(2)+b\u(2)) ~ GC=SQRT(GA^2+GB^2)",
    r"a=\r(c\u(2)-b\u(2)) ~ GA=SQRT(GC^2-GB^2)",
    r"b=\r(c\u(2)-a\u(2)) ~ GB=SQRT(GC^2-GA^2)"], grafik="rechtwinklig.png")
f("Fläche eines Dreiecks aus drei Seiten (Heron)", ["GFL", "GA", "GB", "GC"], [
    r"A=\f(1;4)\r((a+b+c)\m(-a+b+c)\m(a-b+c)\m(a+b-c)) ~ GFL=SQRT((GA+GB+GC)*(-GA+GB+GC)*(GA-GB+GC)*(GA+GB-GC))/4"], ex="GA=5; GB=6; GC=7")
f("Fläche eines gleichseitigen Dreiecks", ["GFL", "GA"], [
    r"A=\f(\r(3);4)\ma\u(2) ~ GFL=SQRT(3)/4*GA^2",
    r"a=\r(\f(4\mA;\r(3))) ~ GA=SQRT(4*GFL/SQRT(3))"])
f("Höhe eines gleichseitigen Dreiecks", ["GH", "GA"], [
    r"h=\f(\r(3);2)\ma ~ GH=SQRT(3)/2*GA",
    r"a=\f(2\mh;\r(3)) ~ GA=2*GH/SQRT(3)"])
f("Umfang eines Dreiecks", ["GU", "GA", "GB", "GC"], [
    r"U=a+b+c ~ GU=GA+GB+GC",
    r"a=U-b-c ~ GA=GU-GB-GC",
    r"b=U-a-c ~ GB=GU-GA-GC",
    r"c=U-a-b ~ GC=GU-GA-GB"])

topic("Kreis und Ellipse")
f("Fläche eines Kreises", ["GFL", "GR"], [
    r"A=\c(p)\mr\u(2) ~ GFL=" + P + "*GR^2",
    r"r=\r(\f(A;\c(p))) ~ GR=SQRT(GFL/" + P + ")"], grafik="kreis")
f("Umfang eines Kreises", ["GU", "GR"], [
    r"U=2\m\c(p)\mr ~ GU=2*" + P + "*GR",
    r"r=\f(U;2\m\c(p)) ~ GR=GU/(2*" + P + ")"], grafik="kreis")
f("Fläche eines Kreises aus dem Durchmesser", ["GFL", "GDM"], [
    r"A=\f(\c(p);4)\md\u(2) ~ GFL=" + P + "/4*GDM^2",
    r"d=\r(\f(4\mA;\c(p))) ~ GDM=SQRT(4*GFL/" + P + ")"])
f("Bogenlänge", ["GBOG", "GR", "GWI"], [
    r"b=r\m\c(a) ~ GBOG=GR*GWI",
    r"r=\f(b;\c(a)) ~ GR=GBOG/GWI",
    r"\c(a)=\f(b;r) ~ GWI=GBOG/GR"], grafik="kreisausschnitt.png")
f("Fläche eines Kreisausschnitts", ["GFL", "GR", "GWI"], [
    r"A=\f(r\u(2)\m\c(a);2) ~ GFL=GR^2*GWI/2",
    r"r=\r(\f(2\mA;\c(a))) ~ GR=SQRT(2*GFL/GWI)",
    r"\c(a)=\f(2\mA;r\u(2)) ~ GWI=2*GFL/GR^2"], grafik="kreisausschnitt.png")
f("Fläche eines Kreisrings", ["GFL", "GRA", "GRI"], [
    r"A=\c(p)\m(R\u(2)-r\u(2)) ~ GFL=" + P + "*(GRA^2-GRI^2)",
    r"R=\r(\f(A;\c(p))+r\u(2)) ~ GRA=SQRT(GFL/" + P + "+GRI^2)",
    r"r=\r(R\u(2)-\f(A;\c(p))) ~ GRI=SQRT(GRA^2-GFL/" + P + ")"])
f("Fläche einer Ellipse", ["GFL", "GHA", "GHB"], [
    r"A=\c(p)\ma\mb ~ GFL=" + P + "*GHA*GHB",
    r"a=\f(A;\c(p)\mb) ~ GHA=GFL/(" + P + "*GHB)",
    r"b=\f(A;\c(p)\ma) ~ GHB=GFL/(" + P + "*GHA)"])

topic("Prismen und Zylinder")
f("Volumen eines Quaders", ["GV", "GA", "GB", "GC"], [
    r"V=a\mb\mc ~ GV=GA*GB*GC",
    r"a=\f(V;b\mc) ~ GA=GV/(GB*GC)",
    r"b=\f(V;a\mc) ~ GB=GV/(GA*GC)",
    r"c=\f(V;a\mb) ~ GC=GV/(GA*GB)"], ex="GC=2", grafik="quader.png")
f("Oberfläche eines Quaders", ["GO", "GA", "GB", "GC"], [
    r"O=2\m(a\mb+a\mc+b\mc) ~ GO=2*(GA*GB+GA*GC+GB*GC)",
    r"a=\f(O/2-b\mc;b+c) ~ GA=(GO/2-GB*GC)/(GB+GC)",
    r"b=\f(O/2-a\mc;a+c) ~ GB=(GO/2-GA*GC)/(GA+GC)",
    r"c=\f(O/2-a\mb;a+b) ~ GC=(GO/2-GA*GB)/(GA+GB)"], ex="GC=2", grafik="quader.png")
f("Volumen eines Würfels", ["GV", "GA"], [
    r"V=a\u(3) ~ GV=GA^3",
    r"a=\h(3)\w(V) ~ GA=GV^(1/3)"])
f("Volumen eines Prismas", ["GV", "GAG", "GH"], [
    r"V=A\d(G)\mh ~ GV=GAG*GH",
    r"A\d(G)=\f(V;h) ~ GAG=GV/GH",
    r"h=\f(V;A\d(G)) ~ GH=GV/GAG"])
f("Volumen eines Zylinders", ["GV", "GR", "GH"], [
    r"V=\c(p)\mr\u(2)\mh ~ GV=" + P + "*GR^2*GH",
    r"r=\r(\f(V;\c(p)\mh)) ~ GR=SQRT(GV/(" + P + "*GH))",
    r"h=\f(V;\c(p)\mr\u(2)) ~ GH=GV/(" + P + "*GR^2)"], grafik="zylinder.png")
f("Mantelfläche eines Zylinders", ["GM", "GR", "GH"], [
    r"M=2\m\c(p)\mr\mh ~ GM=2*" + P + "*GR*GH",
    r"r=\f(M;2\m\c(p)\mh) ~ GR=GM/(2*" + P + "*GH)",
    r"h=\f(M;2\m\c(p)\mr) ~ GH=GM/(2*" + P + "*GR)"], grafik="zylinder.png")
f("Oberfläche eines Zylinders", ["GO", "GR", "GH"], [
    r"O=2\m\c(p)\mr\m(r+h) ~ GO=2*" + P + "*GR*(GR+GH)",
    r"h=\f(O;2\m\c(p)\mr)-r ~ GH=GO/(2*" + P + "*GR)-GR",
    r"r=\f(\r(h\u(2)+2\mO/\c(p))-h;2) ~ GR=(SQRT(GH^2+2*GO/" + P + ")-GH)/2"], grafik="zylinder.png")

topic("Pyramide, Kegel und Kugel")
f("Volumen einer Pyramide", ["GV", "GAG", "GH"], [
    r"V=\f(A\d(G)\mh;3) ~ GV=GAG*GH/3",
    r"A\d(G)=\f(3\mV;h) ~ GAG=3*GV/GH",
    r"h=\f(3\mV;A\d(G)) ~ GH=3*GV/GAG"])
f("Volumen eines Kegels", ["GV", "GR", "GH"], [
    r"V=\f(\c(p)\mr\u(2)\mh;3) ~ GV=" + P + "*GR^2*GH/3",
    r"r=\r(\f(3\mV;\c(p)\mh)) ~ GR=SQRT(3*GV/(" + P + "*GH))",
    r"h=\f(3\mV;\c(p)\mr\u(2)) ~ GH=3*GV/(" + P + "*GR^2)"], grafik="kegel.png")
f("Mantelfläche eines Kegels", ["GM", "GR", "GS"], [
    r"M=\c(p)\mr\ms ~ GM=" + P + "*GR*GS",
    r"r=\f(M;\c(p)\ms) ~ GR=GM/(" + P + "*GS)",
    r"s=\f(M;\c(p)\mr) ~ GS=GM/(" + P + "*GR)"], ex="GS=3", grafik="kegel.png")
f("Mantellinie eines Kegels", ["GS", "GR", "GH"], [
    r"s=\r(r\u(2)+h\u(2)) ~ GS=SQRT(GR^2+GH^2)",
    r"r=\r(s\u(2)-h\u(2)) ~ GR=SQRT(GS^2-GH^2)",
    r"h=\r(s\u(2)-r\u(2)) ~ GH=SQRT(GS^2-GR^2)"], grafik="kegel.png")
f("Volumen eines Kegelstumpfs", ["GV", "GH", "GRA", "GRI"], [
    r"V=\f(\c(p)\mh;3)\m(R\u(2)+R\mr+r\u(2)) ~ GV=" + P + "*GH/3*(GRA^2+GRA*GRI+GRI^2)",
    r"h=\f(3\mV;\c(p)\m(R\u(2)+R\mr+r\u(2))) ~ GH=3*GV/(" + P + "*(GRA^2+GRA*GRI+GRI^2))",
    r"r=\f(\r(12\mV/(\c(p)\mh)-3\mR\u(2))-R;2) ~ GRI=(SQRT(12*GV/(" + P + "*GH)-3*GRA^2)-GRA)/2",
    r"R=\f(\r(12\mV/(\c(p)\mh)-3\mr\u(2))-r;2) ~ GRA=(SQRT(12*GV/(" + P + "*GH)-3*GRI^2)-GRI)/2"])
f("Volumen einer Kugel", ["GV", "GR"], [
    r"V=\f(4;3)\m\c(p)\mr\u(3) ~ GV=4/3*" + P + "*GR^3",
    r"r=\h(3)\w(\f(3\mV;4\m\c(p))) ~ GR=(3*GV/(4*" + P + "))^(1/3)"], grafik="kugel.png")
f("Oberfläche einer Kugel", ["GO", "GR"], [
    r"O=4\m\c(p)\mr\u(2) ~ GO=4*" + P + "*GR^2",
    r"r=\r(\f(O;4\m\c(p))) ~ GR=SQRT(GO/(4*" + P + "))"], grafik="kugel.png")
f("Volumen eines Kugelabschnitts", ["GV", "GH", "GR"], [
    r"V=\f(\c(p)\mh\u(2);3)\m(3\mr-h) ~ GV=" + P + "*GH^2/3*(3*GR-GH)",
    r"r=\f(V;\c(p)\mh\u(2))+\f(h;3) ~ GR=GV/(" + P + "*GH^2)+GH/3"], ex="GH=0,5")
