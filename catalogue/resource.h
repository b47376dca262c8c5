// Resource ids of zeb's windows. The controls carry the names the program uses for them.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

#define IDD_Form1 100
#define IDD_frmEdit 200
#define IDR_MANIFEST 1

// Form1, the main window
#define Frame1 1001
#define Label2 1002
#define txtGamePaths 1003
#define Label3 1004
#define txtZEBpath 1005
#define Label4 1006
#define txtDatPath 1007
#define Label5 1008
#define txtDkPath 1009
#define Frame2 1010
#define Command1 1011
#define cmdValZEB 1012
#define cmdClear 1013
#define Line1 1014
#define cmdMakeDat 1015
#define cmdDkSet 1016
#define Label1 1017
#define List1 1018
#define cmdAddEntry 1019
#define Command2 1020
#define cmdBlacklist 1021
#define Frame3 1022
#define Label7 1023
#define lblexe 1024
#define Label8 1025
#define lblName 1026
#define Label9 1027
#define lblMan 1028
#define Label10 1029
#define lblYear 1030
#define Label11 1031
#define lblPath 1032

// frmEdit, the entry editor
#define txtName 2001
#define txtMan 2002
#define txtYear 2003
#define txtExe 2004
#define cmdBrowse 2005
#define txtPath 2006
#define cmdOk 2007
#define cmdCancel 2008
