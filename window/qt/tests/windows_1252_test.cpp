// SPDX-License-Identifier: Apache-2.0
// The Windows-1252 conversion of file bytes to characters and back.
#include "windows_1252.h"

#include <QTest>

using window::FromFileBytes;
using window::ToFileBytes;

class Windows1252Test : public QObject {
  Q_OBJECT

 private slots:
  void everyByteIsOneCharacterBothWays() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
    const QString text = FromFileBytes(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(ToFileBytes(text), std::optional<std::string>(bytes));
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);  // no two bytes share one
  }

  void mapsTheCodePage_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    QTest::newRow("NUL") << 0x00 << 0x0000;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined-81") << 0x81 << 0x0081;
    QTest::newRow("left-quote") << 0x91 << 0x2018;
    QTest::newRow("Y-diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break-space") << 0xA0 << 0x00A0;
    QTest::newRow("e-acute") << 0xE9 << 0x00E9;
    QTest::newRow("y-diaeresis") << 0xFF << 0x00FF;
  }

  void mapsTheCodePage() {
    QFETCH(int, byte);
    QFETCH(int, character);
    const QString text = FromFileBytes(std::string(1, static_cast<char>(byte)));
    QCOMPARE(text, QString(QChar(static_cast<char16_t>(character))));
  }

  void charactersWithoutAByteNeverPassAsOne_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("C1-control-of-the-euro") << QString(QChar(0x0080));
    QTest::newRow("Latin-Extended") << QString(QChar(0x0100));
    QTest::newRow("Greek") << QStringLiteral("Boise \u03A9");
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("lone-surrogate") << QString(QChar(0xD800));
  }

  void charactersWithoutAByteNeverPassAsOne() {
    QFETCH(QString, text);
    QCOMPARE(ToFileBytes(text), std::optional<std::string>());
    const std::string substituted = ToFileBytes(text, '?');
    QCOMPARE(substituted.size(), static_cast<std::size_t>(text.size()));
    QVERIFY(substituted.find('?') != std::string::npos);
  }
};

QTEST_MAIN(Windows1252Test)
#include "windows_1252_test.moc"
