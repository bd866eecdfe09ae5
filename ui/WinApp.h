#pragma once

// The application object's shape: main() builds the QApplication and hands over to
// InitInstance(), which runs the main sheet.
class CWinApp {
public:
    virtual ~CWinApp() = default;
    // Returns false when the program should end once it returns (it always does here).
    virtual bool InitInstance() { return true; }
};
