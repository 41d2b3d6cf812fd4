#include <QCoreApplication>
#include <QTest>

#include "tst_forms.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TextFormsTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        FormTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}
