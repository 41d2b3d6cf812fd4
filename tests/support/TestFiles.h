#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace selvana::test {

// A file's bytes; "<none>" when it cannot be read, so a missing file never equals an empty one.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// Writes bytes as a file's whole contents; a short write fails the test.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace selvana::test
