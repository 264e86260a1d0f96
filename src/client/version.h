// Version words of the client, shared by the banner, the server handshake,
// record files and archives.
#pragma once

#define QUIVANE_VERSION_STRING "7.1.0"  // banners and the server handshake
#define QUIVANE_VERSION_FLOAT 7.1f       // archives and record files ("VERSION 7.10")
