#ifndef GSTRUNTIME_H
#define GSTRUNTIME_H

// Brings GStreamer up once per process and registers the program's own elements, so every
// pipeline can be built by factory name. Safe to call from anywhere, as often as wanted.
class GstRuntime
{
public:
    static void ensureInitialised();
};

#endif
