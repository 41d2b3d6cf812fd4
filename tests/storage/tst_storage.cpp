#include <QCoreApplication>

int runGridTableTests(int argc, char** argv);
int runTableFileTests(int argc, char** argv);
int runPackedTableTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failed = 0;
    failed += runGridTableTests(argc, argv);
    failed += runTableFileTests(argc, argv);
    failed += runPackedTableTests(argc, argv);
    return failed;
}
