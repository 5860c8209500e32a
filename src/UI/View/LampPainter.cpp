#include "UI/View/LampPainter.h"

#include "UI/View/LampSet.h"
#include "UI/View/UnlitDrawing.h"

#include <QtOpenGL>

#include <algorithm>
#include <array>
#include <cmath>

namespace Ui {
namespace {
constexpr int kSegments = 16;

struct UnitCircle {
    std::array<float, kSegments> c;
    std::array<float, kSegments> s;
    UnitCircle()
    {
        for (int i = 0; i < kSegments; ++i) {
            const double a = 2.0 * M_PI * i / kSegments;
            c[size_t(i)] = float(std::cos(a));
            s[size_t(i)] = float(std::sin(a));
        }
    }
};

const UnitCircle &unitCircle()
{
    static const UnitCircle circle;
    return circle;
}
} // namespace

void LampPainter::initializeLights()
{
    const GLfloat grey[] = {0.5f, 0.5f, 0.5f, 1.0f};
    const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, grey);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, grey);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    for (GLenum light = GL_LIGHT1; light <= GL_LIGHT7; ++light)
        glLightfv(light, GL_DIFFUSE, grey);
}

void LampPainter::load(const LampSet &lamps)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (uint32_t lamp = 1; lamp <= lamps.count(); ++lamp)
        glLightfv(GL_LIGHT0 + lamp - 1, GL_POSITION, lamps.position(lamp).data());
    glPopMatrix();
    for (uint32_t light = 0; light < LampSet::kMaxLamps; ++light) {
        if (lamps.isLightOn(light))
            glEnable(GL_LIGHT0 + light);
        else
            glDisable(GL_LIGHT0 + light);
    }
}

// Markers may stand farther in front of the scene than the view's depth range reaches. They are
// overlays: drawn over everything, in the view's projection with its
// depth range widened to hold every marker.
void LampPainter::drawMarkers(const LampSet &lamps, float depth)
{
    float reach = depth;
    for (uint32_t lamp = 1; lamp <= lamps.count(); ++lamp)
        reach = std::max(reach, std::fabs(std::min(lamps.positionZ(lamp), depth)));
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
    beginUnlitDrawing();
    glDisable(GL_DEPTH_TEST);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    projection[10] = -1.0f / (reach + 1.0f); // orthographic, symmetric depth range ±(reach + 1)
    projection[14] = 0.0f;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadMatrixf(projection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (uint32_t lamp = 1; lamp <= lamps.count(); ++lamp) {
        if (lamp == lamps.selected())
            glColor3f(1.0f, 1.0f, 0.0f);
        else
            glColor3f(1.0f, 1.0f, 1.0f);
        drawMarker(lamps.positionX(lamp), lamps.positionY(lamp), std::min(lamps.positionZ(lamp), depth));
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

// A circle of radius s/2 − 2 with 16 rays from s/2 to s, s = z/50 + 20; a lamp outside the
// marker's square gets a dotted line from the centre of the screen towards it.
void LampPainter::drawMarker(float x, float y, float z)
{
    const float size = z / 50.0f + 20.0f;
    const UnitCircle &unit = unitCircle();
    const float ring = size / 2.0f - 2.0f;
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < kSegments; ++i)
        glVertex3f(x + ring * unit.c[size_t(i)], y + ring * unit.s[size_t(i)], z);
    glEnd();
    glBegin(GL_LINES);
    for (int i = 0; i < kSegments; ++i) {
        glVertex3f(x + size / 2.0f * unit.c[size_t(i)], y + size / 2.0f * unit.s[size_t(i)], z);
        glVertex3f(x + size * unit.c[size_t(i)], y + size * unit.s[size_t(i)], z);
    }
    glEnd();
    if (std::fabs(x) <= size && std::fabs(y) <= size)
        return;
    const float distance = std::sqrt(x * x + y * y);
    const float shortened = (distance - size) / distance;
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(8, 0xAAAA);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, z);
    glVertex3f(x * shortened, y * shortened, z);
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

} // namespace Ui
