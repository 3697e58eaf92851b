// The site served on 127.0.0.1 as make run-web serves it (tools/serve_site.py: compressed, as
// a static host serves it), for the page's benchmarks. Resolves once the server answers.
import { spawn } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const serveSite = path.join(path.dirname(fileURLToPath(import.meta.url)), '../../tools/serve_site.py');

export async function serve(site, port) {
  const server = spawn('python3', [serveSite, site, String(port), '--quiet'], { stdio: 'ignore' });
  const origin = `http://127.0.0.1:${port}/`;
  for (let tries = 0; ; ++tries) {
    try {
      await fetch(origin);
      return { origin, stop: () => server.kill() };
    } catch (notYet) {
      if (tries > 50) {
        server.kill();
        throw notYet;
      }
    }
    await new Promise((resolve) => setTimeout(resolve, 100)); // the next try
  }
}
