#pragma once
// What the GUI tests share: writing a fixture file, dropping addresses on a widget as the
// desktop does, and a test main for windows that hold the file index preview.

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QList>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include "app/fileindex/html_preview_view.h"

namespace lexorim::app::testing {

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Drags `urls` onto `target` and drops them; false when the target refuses them.
inline bool Drop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace lexorim::app::testing

// QTEST_MAIN for test programs whose windows hold the file index preview: the browser engine
// must be prepared before the application is made.
#define LEXORIM_GUI_TEST_MAIN(TestClass)        \
    int main(int argc, char** argv) {           \
        lexorim::app::RegisterPreviewScheme();  \
        QApplication application(argc, argv);   \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
