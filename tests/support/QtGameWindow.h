#pragma once

#include "app/TavroDoc.h"
#include "framework/App.h"
#include "framework/qt/MainWindow.h"
#include "framework/qt/QtWindowSystem.h"
#include "framework/qt/ViewWidget.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// The program's window on Qt, put together as start-up does: an application,
// a frame of type Frame loaded from the menu and accelerator resources, an
// empty document and a view of type View, shown, active and with the view
// focused.
template <class Frame, class View>
struct QtGameWindow {
    QtWindowSystem windows;
    CWinApp app;
    Frame frame;
    CTavroDoc document;
    View view;
    MainWindow* window = nullptr;
    ViewWidget* viewWidget = nullptr;

    QtGameWindow() {
        SetWindowSystem(&windows);
        view.AttachDocument(&document);
        frame.SetActiveView(&view);
        EXPECT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
        app.m_pMainWnd = &frame;
        window = windows.FrameWindow(frame);
        viewWidget = windows.ViewWindow(view);
        frame.ShowWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QApplication::setActiveWindow(window);
        viewWidget->setFocus();
    }
    ~QtGameWindow() { SetWindowSystem(nullptr); }
};
