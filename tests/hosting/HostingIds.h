// Ids of the container tests' own dialog templates and controls.
#pragma once

#define IDD_HOST_ONE      9100
#define IDD_HOST_TWO      9101
#define IDD_HOST_LICENSED 9102

#define IDC_HOST_LABEL   1001
#define IDC_HOST_BROWSER 1002
#define IDC_HOST_SECOND  1003
#define IDC_HOST_BUTTON  1004

#define WEBBROWSER_CLASS "{8856F961-340A-11D0-A96B-00C04FD705A2}"
// A class the tests register themselves, made through IClassFactory2.
#define LICENSED_CLASS "{3A6B0F52-77C1-4D0E-9E1B-52A7C0F1D903}"
