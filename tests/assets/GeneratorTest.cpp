// The art is made by a program so that it can be rebuilt and improved; that
// only holds if a second run draws exactly the same files.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "GameFolder.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int RunGenerator(const QStringList& arguments) {
  QProcess generator;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  generator.setProcessEnvironment(env);
  generator.start(QStringLiteral(BELOTE_ARTGEN), arguments);
  if (!generator.waitForFinished(60000)) return -1;
  return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
}

TEST(Generator, DrawsTheSameFilesAgain) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  ASSERT_EQ(RunGenerator({QStringLiteral("--out"), out.path()}), 0);
  int compared = 0;
  for (QDirIterator it(out.path() + QStringLiteral("/Im"), QDir::Files); it.hasNext(); ++compared) {
    const QString file = it.next();
    const QString name = QStringLiteral("Im/") + QFileInfo(file).fileName();
    EXPECT_EQ(ReadAll(file), ReadAll(GamePath(name))) << name.toStdString();
  }
  // 48 pictures and their sharp copies, the two played places sharing one.
  EXPECT_EQ(compared, 48 + 47);
}

TEST(Generator, RefusesUnknownArgumentsWithoutWritingAnything) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  EXPECT_NE(RunGenerator({QStringLiteral("--outt"), out.path()}), 0);
  EXPECT_NE(RunGenerator({QStringLiteral("--out")}), 0);
  EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST(Generator, ContactSheetShowsTheWholeSet) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  const QString sheet = out.filePath(QStringLiteral("sheet.png"));
  ASSERT_EQ(RunGenerator({QStringLiteral("--contact-sheet"), sheet}), 0);
  const QImage image(sheet);
  ASSERT_FALSE(image.isNull());
  // Ten cards to a row, four rows, then the chooser and the about picture.
  EXPECT_GE(image.width(), 10 * 102);
  EXPECT_GE(image.height(), 4 * 154 + 217);
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 128, 128));
}

}  // namespace
