// Menu sounds: a bright rising two-note chime to confirm, a soft falling
// note to cancel.
#include "content/menu_sounds.h"

#include "core/files.h"
#include "core/synth.h"

namespace datagen
{
Sound menuConfirm()
{
    Sound s = silence(0.05f);
    Note n;
    n.wave = Wave::Square;
    n.pulseWidth = 0.25f;
    n.volume = 0.35f;
    n.envelope = {0.002f, 0.05f, 0.35f, 0.05f};
    n.start = 0.0f;
    n.length = 0.045f;
    n.fromHz = n.toHz = 987.77f; // B5
    play(s, n);
    n.start = 0.055f;
    n.length = 0.09f;
    n.fromHz = n.toHz = 1479.98f; // F#6, a fifth up
    n.envelope.release = 0.09f;
    play(s, n);
    // A sine an octave up gives it sparkle.
    Note bell;
    bell.wave = Wave::Sine;
    bell.volume = 0.25f;
    bell.start = 0.055f;
    bell.length = 0.02f;
    bell.fromHz = bell.toHz = 2959.96f;
    bell.envelope = {0.001f, 0.04f, 0.2f, 0.12f};
    play(s, bell);
    lowPass(s, 7000.0f);
    echo(s, 0.06f, 0.3f, 0.25f, 0.08f);
    fadeOut(s, 0.03f);
    normalise(s, 0.7f);
    return s;
}

Sound menuCancel()
{
    Sound s = silence(0.05f);
    Note n;
    n.wave = Wave::Triangle;
    n.volume = 0.5f;
    n.length = 0.11f;
    n.fromHz = 523.25f; // C5 sliding down to G4
    n.toHz = 392.0f;
    n.envelope = {0.004f, 0.06f, 0.5f, 0.08f};
    play(s, n);
    Note low = n;
    low.wave = Wave::Square;
    low.pulseWidth = 0.5f;
    low.volume = 0.12f;
    low.fromHz = 261.63f;
    low.toHz = 196.0f;
    play(s, low);
    lowPass(s, 1800.0f);
    echo(s, 0.05f, 0.2f, 0.15f, 0.04f);
    fadeOut(s, 0.03f);
    normalise(s, 0.5f);
    return s;
}

bool writeMenuSounds(const std::string& dataDir)
{
    return writeSoundFolder(joinPath(dataDir, "menusound"),
                            {{"Menu_Confirm01", menuConfirm()}, {"Menu_Cancel01", menuCancel()}});
}
} // namespace datagen
