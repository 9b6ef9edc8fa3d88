#pragma once
// cMidiSequencer: plays a converted MIDI image (cMidiFile) in output time. The
// mixer drives it block by block through Advance, which sends every event due in
// the block to a sink at its frame offset:
//
//   cMidiSequencer seq;
//   seq.SetImage(file.m_lpImage);   // stopped at the first event; GM reset pending
//   seq.Restart(1);                 // play, looping
//   seq.Advance(512, synth);        // inside the mixer, once per block
//   seq.Stop(1);                    // pause where it is; Restart(…) resumes there
//
// Ticks become frames at the tempo (500000 us a quarter note until a tempo event)
// for divisions in ticks per quarter note, and at the fixed frame rate for SMPTE
// divisions. The state fields follow the stream player: m_nPos is the offset of the
// next event in the image (22 = the first), m_nState 0 stopped, 1 playing, 2 paused.
//
// Not thread-safe by itself: its owner calls it under the mixer's lock, so only the
// mixer callback ever reaches the sink.

#include <cstdint>
#include <vector>

#include "platform/sound/midi_sink.h"

class cMidiSequencer {
 public:
  // Takes a new image (empty: none): stopped at its first event, with a GM reset
  // and notes off sent at the next Advance.
  void SetImage(std::vector<uint8_t> image);
  bool HasImage() const { return !m_Image.empty(); }

  // Starts or resumes; loop says whether the end goes back to the beginning.
  void Restart(int32_t loop);
  // pause 0: stop and rewind to the first event; pause 1: pause in place (only
  // while playing). Either ends the sounding notes.
  void Stop(int32_t pause);

  void Advance(int frames, cMidiSink& sink);

  int32_t m_nPos = 0;
  int32_t m_nState = 0;
  int32_t m_bLoop = 0;

 private:
  struct Event;
  bool ReadEvent(Event& event) const;
  void Dispatch(const Event& event, int offset, cMidiSink& sink);
  void Rewind();
  void SetTempo(uint32_t microsecondsPerQuarter);

  std::vector<uint8_t> m_Image;
  double m_dFramesPerTick = 0;
  double m_dLastAt = 0;  // frame of the last event, relative to the block start
  bool m_bResetPending = false;
  bool m_bNotesOffPending = false;
};
