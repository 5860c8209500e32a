#pragma once

namespace Ui {

class LampSet;

// The OpenGL side of the lamps. Each call needs the view's context current.
class LampPainter {
public:
    // Light colours: light 0 ambient and diffuse grey 0.5, specular white; lights 1..7 diffuse
    // grey 0.5.
    static void initializeLights();
    // Hands every lamp's position to its light with an identity model-view matrix (so lamps
    // stay fixed relative to the eye) and switches each light on or off.
    static void load(const LampSet &lamps);
    // A star-shaped marker per lamp in eye space, the selected one yellow; `depth` is the
    // view's depth extent, beyond which markers are pulled in.
    static void drawMarkers(const LampSet &lamps, float depth);

private:
    static void drawMarker(float x, float y, float z);
};

} // namespace Ui
