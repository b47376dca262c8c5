// Resource ids of zeb's windows. A control's id is IDC_ and the control's own name
// (IDC_List1 is List1), so no id can stand in for an ordinary identifier of the same name.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

#define IDD_Form1 100
#define IDD_frmEdit 200
#define IDD_frmFrontends 300
#define IDR_MANIFEST 1

// Form1, the main window
#define IDC_Frame1 1001
#define IDC_Label2 1002
#define IDC_txtGamePaths 1003
#define IDC_Label3 1004
#define IDC_txtZEBpath 1005
#define IDC_Label4 1006
#define IDC_txtDatPath 1007
#define IDC_Label5 1008
#define IDC_txtDkPath 1009
#define IDC_Frame2 1010
#define IDC_Command1 1011
#define IDC_cmdValZEB 1012
#define IDC_cmdClear 1013
#define IDC_Line1 1014
#define IDC_cmdMakeDat 1015
#define IDC_cmdDkSet 1016
#define IDC_Label1 1017
#define IDC_List1 1018
#define IDC_cmdAddEntry 1019
#define IDC_Command2 1020
#define IDC_cmdBlacklist 1021
#define IDC_Frame3 1022
#define IDC_Label7 1023
#define IDC_lblexe 1024
#define IDC_Label8 1025
#define IDC_lblName 1026
#define IDC_Label9 1027
#define IDC_lblMan 1028
#define IDC_Label10 1029
#define IDC_lblYear 1030
#define IDC_Label11 1031
#define IDC_lblPath 1032
// The progress row: the bar, what the work is doing or what the last command did, and the
// button that stops the work
#define IDC_prgWork 1033
#define IDC_lblStatus 1034
#define IDC_cmdStop 1035
// Opens frmFrontends
#define IDC_cmdOtherFrontends 1036

// frmEdit, the entry editor
#define IDC_txtName 2001
#define IDC_txtMan 2002
#define IDC_txtYear 2003
#define IDC_txtExe 2004
#define IDC_cmdBrowse 2005
#define IDC_txtPath 2006
#define IDC_cmdOk 2007
#define IDC_cmdCancel 2008

// frmFrontends, the other frontends' folders: a field and a Browse button per frontend, in
// the order of kFrontendKinds
#define IDC_txtEsDe 3001
#define IDC_cmdBrowseEsDe 3002
#define IDC_txtPegasus 3003
#define IDC_cmdBrowsePegasus 3004
#define IDC_txtAttractMode 3005
#define IDC_cmdBrowseAttractMode 3006
#define IDC_txtSteamRomManager 3007
#define IDC_cmdBrowseSteamRomManager 3008
