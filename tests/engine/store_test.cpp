// Store operations: list, clear and deleting one definition.
#include "evaluator_fixture.h"

#include <string>
#include <vector>

using quillmar::engine::testing::Evaluator;

using Texts = std::vector<std::string>;

TEST_F(Evaluator, ClearRemovesEveryDefinition)
{
    define("X=1");
    define("F(T)=T+X");
    store.clear();
    EXPECT_EQ(store.list(), Texts{});
    EXPECT_EQ(store.size(), 0u);
    refuse("Y=X");
    define("X=2");
    EXPECT_EQ(compute("X="), 2);
}

TEST_F(Evaluator, DeletingAnUnusedDefinition)
{
    define("X=1");
    define("Y=2");
    EXPECT_TRUE(store.remove("x"));
    EXPECT_FALSE(store.remove("X"));
    EXPECT_FALSE(store.remove("NIE"));
    EXPECT_EQ(store.list(), Texts{"Y=2"});
    EXPECT_FALSE(compute("X=").has_value());
    define("X=5"); // appended anew
    EXPECT_EQ(store.list(), (Texts{"Y=2", "X=5"}));
}

TEST_F(Evaluator, DeletingADefinitionThatOthersUse)
{
    define("X=3");
    define("Y=X*2");
    define("F(T)=T+Y");
    ASSERT_TRUE(store.remove("X"));
    EXPECT_EQ(store.list(), (Texts{"Y=X*2", "F(T)=T+Y"}));
    EXPECT_EQ(store.size(), 2u);
    EXPECT_EQ(store.find("X"), nullptr);
    EXPECT_FALSE(compute("Y=").has_value());
    EXPECT_FALSE(compute("F(1)=").has_value());
    refuse("Z=X"); // the deleted name is unknown to new definitions

    define("X=10"); // defining it again repairs the users, at the old place
    EXPECT_EQ(compute("F(1)="), 21);
    EXPECT_EQ(store.list(), (Texts{"X=10", "Y=X*2", "F(T)=T+Y"}));

    // Deleting the users lets the deleted cell go as well.
    ASSERT_TRUE(store.remove("X"));
    ASSERT_TRUE(store.remove("Y"));
    ASSERT_TRUE(store.remove("F"));
    EXPECT_EQ(store.list(), Texts{});
    define("X=1");
    EXPECT_EQ(store.list(), Texts{"X=1"});
}

TEST_F(Evaluator, DeletingPartOfACycle)
{
    define("A=1");
    define("B=A+1");
    define("A=B*2");
    ASSERT_TRUE(store.remove("A"));
    EXPECT_EQ(store.list(), Texts{"B=A+1"});
    EXPECT_FALSE(compute("B=").has_value());
    define("A=4");
    EXPECT_EQ(compute("B="), 5);
    store.remove("B");
    store.remove("A");
    EXPECT_EQ(store.size(), 0u);
}
