#pragma once

#include "assets/models/model_mesh.h"

namespace quillmoor::assets {

// The ten models, one builder each, in the game's slot order.
ModelMesh SkyModel();        // nebo.x, sky_model.cpp
ModelMesh PadModel();        // plat.X, pad_model.cpp
ModelMesh TubeModel();       // truba.X, tube_models.cpp
ModelMesh CraftModel();      // Fly.X, craft_model.cpp
ModelMesh AsteroidModel();   // aster.X, asteroid_model.cpp
ModelMesh FlyerModel();      // kr.X, flyer_model.cpp
ModelMesh PickupModel();     // ochki.X, pickup_model.cpp
ModelMesh TrussTubeModel();  // truba2.X, tube_models.cpp
ModelMesh RoofTubeModel();   // truba3.X, tube_models.cpp
ModelMesh StationModel();    // spst.X, station_model.cpp

}  // namespace quillmoor::assets
