// A sound server of the test's own, for engines that play only to one:
// PulseAudio with a null sink, in a folder that goes with it. The browsers
// launched after start() play to it (PULSE_SERVER is set for them).
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export async function startSoundServer() {
  const dir = mkdtempSync(join(tmpdir(), 'af-sound-'));
  const server = `unix:${join(dir, 'native')}`;
  const child = spawn('pulseaudio', ['-n', '--daemonize=no', '--exit-idle-time=-1', '--use-pid-file=no', '--log-level=error', '--enable-memfd=no',
    '-L', `module-native-protocol-unix auth-anonymous=1 socket=${join(dir, 'native')}`,
    '-L', 'module-null-sink sink_name=heard rate=48000 channels=2'], { stdio: 'ignore' });
  for (let k = 0; k < 100; ++k) {
    try {
      execFileSync('pactl', [`--server=${server}`, 'info'], { stdio: 'ignore' });
      break;
    } catch {
      await new Promise((r) => setTimeout(r, 100));
    }
  }
  const before = process.env.PULSE_SERVER;
  process.env.PULSE_SERVER = server;
  return {
    stop() {
      if (before === undefined) delete process.env.PULSE_SERVER;
      else process.env.PULSE_SERVER = before;
      child.kill();
      rmSync(dir, { recursive: true, force: true });
    },
  };
}
