// The marker that tells a second start that the program runs already.
#include "instance_marker.h"
#include "test_database.h"

#include <QFile>

using namespace kodrix;

TEST(InstanceMarker, SecondInstanceFindsTheMarkerAndLeavesItInPlace) {
    const QString dir = test::scratchDir() + QStringLiteral("/markers");
    auto first = std::make_unique<InstanceMarker>(InstanceMarker::kName, dir);
    ASSERT_TRUE(first->registerMarker());
    {
        InstanceMarker second(InstanceMarker::kName, dir);
        EXPECT_FALSE(second.registerMarker());
        EXPECT_FALSE(second.owned());
    }
    // The second one ended: the first one's marker is still there.
    EXPECT_TRUE(QFile::exists(first->path()));
    InstanceMarker third(InstanceMarker::kName, dir);
    EXPECT_FALSE(third.registerMarker());

    const QString path = first->path();
    first.reset();
    EXPECT_FALSE(QFile::exists(path));
    InstanceMarker fourth(InstanceMarker::kName, dir);
    EXPECT_TRUE(fourth.registerMarker());
}
