#include "LoadMeasured.h"

#include "Measured.h"
#include "MessageBox.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class LoadMeasuredFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        msgbox::ClearShownBoxes();
        msgbox::SetTestAnswerer([](const msgbox::ShownBox&) { return msgbox::vbOK; });
    }
    void TearDown() override { msgbox::SetTestAnswerer(nullptr); }

    void WriteFile(const QByteArray& text) const {
        QFile file(QDir(folder_.path()).filePath("measured.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static void ExpectNoMeasuredData() {
        ASSERT_EQ(MeasuredData.size(), 3u);
        for (const MeasuredRecord& record : MeasuredData) {
            EXPECT_EQ(record.Freq, -1.0);
            EXPECT_TRUE(IsMeasuredEndMarker(record.Dist[0]));
        }
    }

    QTemporaryDir folder_;
};

TEST_F(LoadMeasuredFileTest, FileBesideTheProgramFillsMeasuredData) {
    WriteFile("0,450,0.5,Urban,1.5,2,30,100\n1,80.2,85.0\n2,71.5,77.3\n"
              "0,900,0.5,Open,1.5,1,30\n1,60\n");
    EXPECT_TRUE(LoadMeasuredFile(folder_.path()));
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
    ASSERT_EQ(MeasuredData.size(), 2u);
    EXPECT_EQ(MeasuredData[1].Freq, 900);
}

TEST_F(LoadMeasuredFileTest, MissingFileWarnsAndLeavesTablesThatNeverMatch) {
    EXPECT_FALSE(LoadMeasuredFile(folder_.path()));
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    const msgbox::ShownBox& box = msgbox::ShownBoxes().front();
    EXPECT_EQ(box.prompt, "Warning: Cannot find file " + QDir(folder_.path()).filePath("measured.csv"));
    EXPECT_EQ(box.title, "Okum-Hata");
    EXPECT_EQ(box.style, msgbox::vbOKOnly);
    ExpectNoMeasuredData();
}

TEST_F(LoadMeasuredFileTest, MalformedFileWarnsOnceAndTheProgramRunsOnWithoutMeasuredData) {
    WriteFile("0,450,0.5,Urban,1.5,2,30,100\n1,80.2\n");
    EXPECT_FALSE(LoadMeasuredFile(folder_.path()));
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes().front().prompt, "Warning: Cannot read file " +
                                                       QDir(folder_.path()).filePath("measured.csv") +
                                                       "\nLine 2: the file ends inside a data row");
    EXPECT_EQ(msgbox::ShownBoxes().front().title, "Okum-Hata");
    ExpectNoMeasuredData();
    EXPECT_EQ(FindMeasuredCurve(450, 30, 1.5, "Urban", 0.5, MeasuredData).Found, 0);
}

} // namespace
