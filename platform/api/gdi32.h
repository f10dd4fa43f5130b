// Our declarations of gdi32: device contexts, objects (brushes, pens, bitmaps, regions, fonts), drawing and clipping.
#pragma once

#include "platform/api/types.h"

#define LF_FACESIZE 32

// A logical font: 60 bytes, as the documented structure lays it out.
typedef struct tagLOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *PLOGFONTA, *LPLOGFONTA;
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA is 60 bytes");
