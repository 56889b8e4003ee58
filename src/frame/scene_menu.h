#pragma once

namespace quillmoor {

class ScenePainter;

// The menu's flyer and station with the station's lights, drawn behind the sky.
void DrawMenuModels(ScenePainter& painter);
// The menu panel, once the camera is parked, and the flyer's lights.
void DrawMenuPanelAndLights(ScenePainter& painter);

// Four blinking lights on the station, turning with it.
void StationLights(ScenePainter& painter);
// Two blinking lights on the flyer.
void FlyerLights(ScenePainter& painter);

}  // namespace quillmoor
