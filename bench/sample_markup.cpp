#include "sample_markup.h"

#include "support/text.h"

#include <algorithm>
#include <array>

namespace quillmar::typeset {

const std::vector<std::string>& sampleMarkup()
{
    static const std::vector<std::string> samples = {
        "F=m\\ma",
        "E=m\\mc\\u(2)",
        "v=\\f(s;t)",
        "s=\\f(1;2)\\ma\\mt\\u(2)",
        "v=\\r(2\\mg\\mh)",
        "T=2\\c(p)\\r(\\f(l;g))",
        "E\\d(kin)=\\f(m\\mv\\u(2);2)",
        "\\c(r)=\\f(m;V)",
        "\\c(w)=2\\c(p)\\mf",
        "F\\d(G)=G\\m\\f(m\\d(1)\\mm\\d(2);r\\u(2))",
        "R=\\f(\\c(r)\\ml;A)",
        "\\f(1;R\\d(ges))=\\f(1;R\\d(1))+\\f(1;R\\d(2))",
        "x\\d(1,2)=-\\f(p;2)\\c(\xC2\xB1)\\r(\\f(p\\u(2);4)-q)",
        "\\c(D)l=\\c(a)\\ml\\d(0)\\m\\c(D)T",
        "\\v(F)=m\\m\\v(a)",
        "W=\\I\\h(s2)\\t(s1)F\\mds",
        "s=\\S\\h(n)\\t(i=1)s\\d(i)",
        "c=\\w(a\\u(2)+b\\u(2))",
        "V=\\f(4;3)\\c(p)\\mr\\u(3)",
        "f=\\f(1;2\\c(p)\\r(L\\mC))",
        "n=\\f(sin \\c(a);sin \\c(b))",
        "\\c(l)=\\f(c;f)",
        "Q=c\\mm\\m\\c(D)T",
        "p\\mV=n\\mR\\mT",
        "\\c(h)=\\f(P\\d(ab);P\\d(zu))",
        "I=I\\d(0)\\me\\u(-t/\\c(t))",
        "\\c(D)x\\m\\c(D)p\\c(\xC2\xB3)\\f(h;4\\c(p))",
        "a=\\f(\\c(D)v;\\c(D)t)",
        "Z=\\r(R\\u(2)+(\\c(w)L-\\f(1;\\c(w)C))\\u(2))",
        "x=\\f(\\f(a;b);\\f(c;d))",
        "m\\d(rel)=\\f(m\\d(0);\\r(1-\\f(v\\u(2);c\\u(2))))",
        "E=\\f(1;4\\c(pe)\\d(0))\\m\\f(Q;r\\u(2))",
        "U\\d(eff)=\\f(U\\d(max);\\r(2))",
        "\\z(n;k)=\\f(n!;k!\\m(n-k)!)",
        "\\c(m)\\d(r)",
        "\\c(J)\\d(0)",
        "m/s\\u(2)",
        "kg\\mm\\u(2)\\ms\\u(-2)",
        "\\f(W;m\\u(2)\\mK)",
        "\\c(W)\\mm",
        "\\c(m)m",
        "\xC2\xB0" "C",
    };
    return samples;
}

std::vector<std::string> collectionMarkup(std::string_view fileText)
{
    static constexpr std::array<std::string_view, 3> kFields = {"FORMEL: ", "SYMBOL: ", "EINHEIT: "};
    std::vector<std::string> found;
    for (const std::string& line : text::splitLines(fileText)) {
        for (std::string_view field : kFields) {
            if (!line.starts_with(field))
                continue;
            std::string markup = line.substr(field.size());
            if (!markup.empty() && std::find(found.begin(), found.end(), markup) == found.end())
                found.push_back(std::move(markup));
        }
    }
    return found;
}

} // namespace quillmar::typeset
