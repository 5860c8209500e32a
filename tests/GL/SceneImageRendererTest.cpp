#include "Support/PersistenceTestSupport.h"

#include "Core/Workspace/Scene.h"
#include "UI/BatchRun/SceneImageRenderer.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(SceneImageRendererTest, DrawsTheSceneCentredIntoTheImageFile)
{
    PersistenceTest::resetCatalogue();
    Core::Scene scene;
    // A silicon block far from the origin: framing must still bring it to the middle.
    scene.addObject(
        PersistenceTest::volumeOf(20, 20, 10, std::vector<uint32_t>(4000, 1), Util::Vector3D(500, -300, 40)));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("scene.png"));
    QString error;
    Ui::BatchRun::SceneImageRenderer renderer;
    ASSERT_TRUE(renderer.render(scene, path, error)) << error.toStdString();
    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    const QRgb background = image.pixel(2, 2);
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), background);
    // The block fills a good part of the picture.
    int covered = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            covered += image.pixel(x, y) != background;
    EXPECT_GT(covered, image.width() * image.height() / 16 / 10);

    EXPECT_FALSE(renderer.render(scene, folder.filePath(QStringLiteral("scene.unknown")), error));
    EXPECT_FALSE(error.isEmpty());
}
