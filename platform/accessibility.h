// How the component layer's own controls present themselves to assistive technology, which
// reaches them through Qt's accessibility bridge (AT-SPI on Linux desktops).
#pragma once

class QWidget;

// Registers the accessible interfaces of shapes and labels with Qt; safe to call many times.
void InstallControlAccessibility();
// Tells assistive technology that a toggle shape may have changed between on and off.
void AnnounceCheckedStateChange(QWidget* shape);
