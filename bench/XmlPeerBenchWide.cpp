// XmlPeerBench.cpp again, built in pugixml's wchar_t mode and its own namespace (CMakeLists.txt).
#include "XmlPeerBench.cpp"
