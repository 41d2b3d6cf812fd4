#pragma once

#include <QString>

namespace selvana {

class GridTable;
class MainWindowModel;

// The "Subjekti" page: the subjects table, choosing, adding, saving and deleting subjects,
// the year field's rule and filling from the Dravik subject base.
class SubjectsPage {
public:
    explicit SubjectsPage(MainWindowModel& main);

    // Start-up: subjects.txt into sg_subjekti and the choice list, the first subject current.
    void load();
    // Start-up: the entry fields are shown only while there is no subject.
    void showFieldsWhenEmpty();
    // Start-up: the Dravik base named in the settings, when that file exists.
    void loadBase();

    bool isEmpty() const;          // no subject yet
    QString currentNumber() const; // column 0 of the current row
    QString currentName() const;   // column 1 of the current row
    GridTable& table();

private:
    MainWindowModel& m_main;
};

} // namespace selvana
