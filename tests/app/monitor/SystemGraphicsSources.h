#pragma once
#include "FakeSources.h"
#include "app/monitor/FieldSources.h"

// For its life, every reading of the fields comes from the fakes except the graphics ones, which
// come from the system's own readers (and so from whatever nvapi64.dll the loader finds).
class SystemGraphicsSources {
public:
    SystemGraphicsSources()
    {
        using s::system::counter::FieldSources;
        const FieldSources system = s::system::counter::SystemFieldSources();
        FieldSources& s = s::system::counter::GetFieldSources();
        s.adlActivity = system.adlActivity;
        s.adlTemperature = system.adlTemperature;
        s.adlFan = system.adlFan;
        s.initNvGpu = system.initNvGpu;
        s.nvHasTemperature = system.nvHasTemperature;
        s.nvHasFan = system.nvHasFan;
        s.nvUsage = system.nvUsage;
        s.nvThermal = system.nvThermal;
        s.nvFan = system.nvFan;
    }

private:
    FakeSourcesScope fakes_;
};
