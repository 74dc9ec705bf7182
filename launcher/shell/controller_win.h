#pragma once
// Ties the controls of the main window to the input, task and folder logic.
struct CandidateListHandler;
struct ConfigStore;
struct DataStore;
struct InputEditHandler;
struct ItemViewHandler;
struct MainWindow;
struct TaskViewState;
struct ViewState;

struct Controller {
    CandidateListHandler* candidateList = nullptr;
    ItemViewHandler* itemView = nullptr;
    DataStore* data = nullptr;
    ConfigStore* config = nullptr;
    InputEditHandler* inputEdit = nullptr;
    MainWindow* mainWindow = nullptr;
    TaskViewState* taskView = nullptr;
    ViewState* view = nullptr;

    void onInputChanged();
    // Clears the input, returns to the tasks and hides the window.
    void dismiss();
};
