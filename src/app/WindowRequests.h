#pragma once

class AppRequests;
class frmTranslate;

// Connects the application's requests to the loaded main window and its
// popup, and attaches them: what waited goes out now. Once the window
// unloads (or goes), later requests are refused as the program closes.
void connectWindowRequests(AppRequests& requests, frmTranslate& window);
