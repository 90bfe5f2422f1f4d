#include "ui/frmMain.h"

// The frame timer, the overview and lightning timers and the map's mouse input.

void frmMain::connectMapView() {}

void frmMain::DXTimer_Timer() {}
void frmMain::Timer1_Timer() {}
void frmMain::LightningTimer_Timer() {}
void frmMain::picMap_MouseDown(int, int, float, float) {}
void frmMain::picMap_MouseUp(int, int, float, float) {}
