// Definitions in the store: names, redefinition, self-reference, limits.
#include "evaluator_fixture.h"

#include <cmath>
#include <string>
#include <vector>

using quillmar::Real;
using quillmar::engine::Definition;
using quillmar::engine::testing::Evaluator;

using Texts = std::vector<std::string>;

TEST_F(Evaluator, VariablesAndFunctionsIgnoreCase)
{
    define("a=2");
    EXPECT_EQ(compute("A*3="), 6);
    define("F(X)=X^2");
    EXPECT_EQ(compute("F(3)+1="), 10);
    EXPECT_EQ(compute("f(a)="), 4);
    EXPECT_FALSE(compute("F=").has_value()); // a function needs its argument
    EXPECT_FALSE(compute("F(X)=").has_value()); // no variable X yet
    EXPECT_FALSE(compute("A(2)=").has_value()); // a variable takes none
    define("x=5");
    EXPECT_EQ(compute("F(X)="), 25);
    define("Pa(u)=2*u^2-6*u+1");
    EXPECT_EQ(compute("Pa(2)+x*2="), 7);
    EXPECT_EQ(store.list(), (Texts{"a=2", "F(X)=X^2", "x=5", "Pa(u)=2*u^2-6*u+1"}));
}

TEST_F(Evaluator, DefinitionsKeepBlanksInTheirTextButNotInTheirBody)
{
    define("X = 3 + 4");
    EXPECT_EQ(compute("X="), 7);
    EXPECT_EQ(store.list(), (Texts{"X = 3 + 4"}));
    refuse("3 + 4=");
}

TEST_F(Evaluator, ReferencesFollowRedefinitions)
{
    refuse("Y=X*2"); // X does not exist yet
    define("X=3");
    define("Y=X*2");
    const Definition* x = store.find("X");
    define("X=7");
    EXPECT_EQ(store.find("X"), x); // the same cell, at the same place
    EXPECT_EQ(compute("Y="), 14);
    EXPECT_EQ(store.list(), (Texts{"X=7", "Y=X*2"}));

    refuse("X=7+"); // a failed redefinition keeps the old one
    EXPECT_EQ(compute("Y="), 14);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Evaluator, RefusesSelfReferenceWithOneMessage)
{
    define("X=5");
    refuse("X=X+1");
    EXPECT_EQ(compute("X="), 5);
    define("F(X)=X");
    refuse("F(X)=F(X)+1");
    EXPECT_EQ(compute("F(4)="), 4);
    EXPECT_EQ(messages.shown, (Texts{"Rekursive Definitionen nicht erlaubt!", "Rekursive Definitionen nicht erlaubt!"}));
    refuse("NEU=NEU+1"); // a name not stored yet is unknown: no message
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(store.list(), (Texts{"X=5", "F(X)=X"}));
}

TEST_F(Evaluator, ReadsTheLongestStoredName)
{
    define("A=2");
    refuse("AB=");
    define("AB=10");
    EXPECT_EQ(compute("AB*2="), 20);
    EXPECT_EQ(compute("A*2="), 4);
    // In a body with parameter X, "XA" is X followed by A.
    define("XA=5");
    refuse("H(X)=XA*2");
    define("H(Y)=XA*2");
    EXPECT_EQ(compute("H(0)="), 10);
    // Built-in names win over stored ones.
    define("SIN(X)=99");
    EXPECT_EQ(compute("SIN(0)="), 0);
}

TEST_F(Evaluator, RedefiningTheKindOfACell)
{
    define("X=3");
    define("Y=X*2");
    define("X(T)=T+1"); // Y now refers to a function as a variable
    EXPECT_FALSE(compute("Y=").has_value());
    EXPECT_EQ(compute("X(1)="), 2);
    define("X=4");
    EXPECT_EQ(compute("Y="), 8);

    define("F(T)=T*2");
    define("G=F(3)");
    define("F=5"); // a call of a function that became a variable gives its value
    EXPECT_EQ(compute("G="), 5);
}

TEST_F(Evaluator, RefusesOverlongLinesAndNames)
{
    const std::string name20(20, 'N');
    define(name20 + "=1");
    refuse(name20 + "X=1");
    define("F(" + std::string(20, 'P') + ")=1");
    refuse("G(" + std::string(21, 'P') + ")=1");

    // 200 characters are accepted, 201 refused; characters count, not bytes.
    const std::string head = "L=1";
    define(head + std::string(197, ' '));
    refuse(head + std::string(198, ' '));
    define("LÄ=" + std::string(197, '1'));
    refuse("LÄ=" + std::string(198, '1'));
    EXPECT_EQ(store.size(), 4u);
}

TEST_F(Evaluator, CyclesAndDeepChainsFailCleanly)
{
    define("A=1");
    define("B=A+1");
    define("A=B*2"); // not refused when defined, but it can never be computed
    EXPECT_FALSE(compute("A=").has_value());
    EXPECT_FALSE(compute("B+1=").has_value());

    define("F(X)=X+1");
    define("V=F(1)");
    define("F(X)=X+V");
    EXPECT_FALSE(compute("F(2)=").has_value());
    EXPECT_FALSE(compute("V=").has_value());
    define("V=3"); // breaking the cycle makes both work again
    EXPECT_EQ(compute("F(2)="), 5);

    // A chain deeper than the nesting bound fails instead of exhausting the stack.
    define("C1=1");
    for (int i = 2; i <= 1500; ++i)
        define("C" + std::to_string(i) + "=C" + std::to_string(i - 1) + "+1");
    EXPECT_EQ(compute("C1000="), 1000);
    EXPECT_FALSE(compute("C1500=").has_value());
}

TEST_F(Evaluator, EveryExampleDefinitionIsAccepted)
{
    const char* examples[] = {
        "g1(x)=2*x",      "f1(x)=-2*x+1",   "Pa(u)=2*u^2-6*u+1", "x=6*(3*5-4)",     "u=sqr(4)",
        "z=sqrt(9)",      "g2(x)=-3*x+4",   "p1(x)=x^(2/3)",     "p2(x)=2*x^2+3*x+4", "p3(x)=2*(x-2)^2+5",
        "t1(x)=sin(x)",   "t2(x)=cos(x)",   "e(x)=exp(x)",       "l(x)=(x-2)/(x-4)^3",
    };
    for (const char* example : examples)
        define(example);
    EXPECT_EQ(compute("x="), 66);
    EXPECT_EQ(compute("u+z="), 19);
    EXPECT_EQ(compute("p3(4)="), 13);
    EXPECT_NEAR(static_cast<double>(*compute("p1(8)=")), 4.0, 1e-15);
}

TEST_F(Evaluator, StoredDefinitionsComputeLikeExpressions)
{
    // What a definition computes from numbers alone gives the same bits as the
    // expression does, and a failing part still fails every run.
    define("K=0,1*3+2^0,5-SIN(1)/7");
    EXPECT_EQ(compute("K="), 0.1L * 3 + std::pow(2.0L, 0.5L) - std::sin(1.0L) / 7);
    EXPECT_EQ(compute("K="), compute("0,1*3+2^0,5-SIN(1)/7="));
    define("D=1/0+5");
    EXPECT_FALSE(compute("D=").has_value());
    define("E(T)=T*FAK(-1)");
    EXPECT_FALSE(compute("E(2)=").has_value());
    define("G(T)=(T-1)/(2-2)");
    EXPECT_FALSE(compute("G(3)=").has_value());
    define("H(T)=1/T");
    EXPECT_FALSE(compute("H(0)=").has_value());
    EXPECT_EQ(compute("H(4)="), 0.25L);
}

TEST_F(Evaluator, ExponentialChainsFailInsteadOfHanging)
{
    // Each value is computed anew at every use, so D(n) costs 2^n runs.
    define("D1=1");
    for (int i = 2; i <= 40; ++i)
        define("D" + std::to_string(i) + "=D" + std::to_string(i - 1) + "+D" + std::to_string(i - 1));
    EXPECT_EQ(compute("D19="), 262144);
    EXPECT_FALSE(compute("D40=").has_value());
}
