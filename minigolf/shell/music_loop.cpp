#include "minigolf/shell/music_loop.h"

namespace minigolf {

void MusicLoop::Start() { looping_ = player_.Play(path_); }

void MusicLoop::Poll() {
    if (looping_ && !player_.IsPlaying()) looping_ = player_.Play(path_);
}

void MusicLoop::Stop() {
    looping_ = false;
    player_.Stop();
}

}  // namespace minigolf
