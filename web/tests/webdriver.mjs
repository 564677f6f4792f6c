// SPDX-License-Identifier: GPL-3.0-or-later
// A small WebDriver client for Debian's chromedriver and chromium: the
// W3C protocol over HTTP with node's fetch, nothing to install from npm.
// Only what the browser tests and the benchmark use.
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createServer } from "node:net";

const ELEMENT = "element-6066-11e4-a52e-4f735466cecf";

function PortLibre() {
  return new Promise((resolve, reject) => {
    const s = createServer();
    s.unref();
    s.on("error", reject);
    s.listen(0, "127.0.0.1", () => {
      const { port } = s.address();
      s.close(() => resolve(port));
    });
  });
}

const attendre = (ms) => new Promise((r) => setTimeout(r, ms));

export class Navigateur {
  // options: largeur, hauteur (window size), echelle (device scale
  // factor), telechargements (folder for downloads), binaire, pilote,
  // profil (a folder of the caller's for the browser's profile, kept when
  // the browser closes, so that a later launch finds what the pages
  // stored: a browser closed and opened again; by default a new profile,
  // removed at the end).
  static async Lancer(options = {}) {
    const n = new Navigateur();
    await n.demarrer(options);
    return n;
  }

  async demarrer(o) {
    this.profilPropre = !o.profil;
    this.profil = o.profil || mkdtempSync(join(tmpdir(), "strataloom-chromium-"));
    const port = await PortLibre();
    this.pilote = spawn(o.pilote || "/usr/bin/chromedriver", [`--port=${port}`], {
      stdio: ["ignore", "ignore", "pipe"],
    });
    this.pilote.stderr.on("data", () => {});
    this.url = `http://127.0.0.1:${port}`;
    for (let i = 0; ; ++i) {
      try {
        const r = await fetch(this.url + "/status");
        if ((await r.json()).value.ready) break;
      } catch (e) {
        // not listening yet
      }
      if (i > 200) throw new Error("chromedriver ne répond pas");
      await attendre(50);
    }
    const args = [
      "--headless=new",
      "--no-sandbox",
      "--disable-gpu",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      "--no-first-run",
      "--no-default-browser-check",
      "--disable-features=Translate,MediaRouter",
      "--hide-scrollbars",
      "--autoplay-policy=no-user-gesture-required",
      `--user-data-dir=${this.profil}`,
      `--window-size=${o.largeur || 1280},${o.hauteur || 800}`,
    ];
    if (o.echelle) args.push(`--force-device-scale-factor=${o.echelle}`);
    // The page speaks the browser's first language: French unless a test
    // asks for another ("en-US,en").
    const langues = o.langues || "fr-FR,fr";
    args.push(`--lang=${langues.split(",")[0]}`);
    const prefs = { "profile.default_content_settings.popups": 0, "intl.accept_languages": langues };
    if (o.telechargements) {
      prefs["download.default_directory"] = o.telechargements;
      prefs["download.prompt_for_download"] = false;
    }
    const r = await this.brut("POST", "/session", {
      capabilities: {
        alwaysMatch: {
          browserName: "chrome",
          "goog:chromeOptions": {
            binary: o.binaire || "/usr/bin/chromium", args, prefs,
            perfLoggingPrefs: { enableNetwork: true, enablePage: false },
          },
          // The network's events, for the tests that check the page asks for nothing.
          "goog:loggingPrefs": { performance: "ALL" },
        },
      },
    });
    this.id = r.sessionId;
    if (o.telechargements)
      await this.cdp("Browser.setDownloadBehavior", {
        behavior: "allow",
        downloadPath: o.telechargements,
        eventsEnabled: false,
      }).catch(() => {});
  }

  async brut(methode, chemin, corps) {
    const r = await fetch(this.url + chemin, {
      method: methode,
      headers: { "Content-Type": "application/json" },
      body: corps === undefined ? undefined : JSON.stringify(corps),
    });
    const j = await r.json();
    if (j.value && j.value.error) {
      const e = new Error(`${j.value.error}: ${j.value.message}`.split("\n")[0]);
      e.webdriver = j.value.error;
      throw e;
    }
    return j.value;
  }

  commande(methode, chemin, corps) {
    return this.brut(methode, `/session/${this.id}${chemin}`, corps);
  }

  cdp(cmd, params) {
    return this.commande("POST", "/goog/cdp/execute", { cmd, params });
  }

  // Every URL the browser asked for since the last call, read from its
  // network log (Network.requestWillBeSent in Chromium's performance log).
  async requetes() {
    const entrees = await this.commande("POST", "/se/log", { type: "performance" });
    const urls = [];
    for (const e of entrees) {
      const m = JSON.parse(e.message).message;
      if (m.method === "Network.requestWillBeSent") urls.push(m.params.request.url);
    }
    return urls;
  }

  ouvrir(url) {
    return this.commande("POST", "/url", { url });
  }

  // Runs `fonction` (its text) in the page with `args`; an async function's
  // result is awaited.
  async executer(fonction, ...args) {
    const script = `return (${fonction.toString()}).apply(null, arguments);`;
    return this.commande("POST", "/execute/sync", { script, args });
  }

  async executerAsync(fonction, ...args) {
    const script = `const fini = arguments[arguments.length - 1];
      Promise.resolve((${fonction.toString()}).apply(null, Array.from(arguments).slice(0, -1)))
        .then((v) => fini({ ok: v }), (e) => fini({ erreur: String(e && e.stack || e) }));`;
    const r = await this.commande("POST", "/execute/async", { script, args });
    if (r && r.erreur) throw new Error(r.erreur);
    return r && r.ok;
  }

  // Commands go to the `n`th frame of the current document, or with
  // `n` null back to the top document.
  cadre(n) {
    return this.commande("POST", "/frame", { id: n });
  }

  delais(script) {
    return this.commande("POST", "/timeouts", { script });
  }

  async element(selecteur) {
    const r = await this.commande("POST", "/element", { using: "css selector", value: selecteur });
    return r[ELEMENT];
  }

  // A real click, as the browser's input: the element must be visible,
  // enabled and not covered, or WebDriver says so.
  async cliquer(selecteur) {
    const e = await this.element(selecteur);
    await this.commande("POST", `/element/${e}/click`, {});
  }

  async envoyerFichier(selecteur, chemin) {
    const e = await this.element(selecteur);
    await this.commande("POST", `/element/${e}/value`, { text: chemin });
  }

  // W3C actions: `sequences` as the protocol has them; then every key and
  // button still held is released, unless `relacher` is false.
  async actions(sequences, relacher = true) {
    await this.commande("POST", "/actions", { actions: sequences });
    if (relacher) await this.commande("DELETE", "/actions");
  }

  // Keys: strings, where "\uE008" is Shift, "\uE009" Control, "\uE00A" Alt,
  // "\uE004" Tab, "\uE007" Enter, "\uE031" F1, "\uE00C" Escape.
  async touches(...suite) {
    const actions = [];
    for (const t of suite) {
      if (Array.isArray(t)) {
        for (const k of t) actions.push({ type: "keyDown", value: k });
        for (const k of [...t].reverse()) actions.push({ type: "keyUp", value: k });
      } else {
        actions.push({ type: "keyDown", value: t }, { type: "keyUp", value: t });
      }
    }
    await this.actions([{ type: "key", id: "clavier", actions }]);
  }

  // A press of a pointer ("mouse", "touch" or "pen") at the middle of the
  // element, the callback run while it is held, then the release. A touch
  // goes through the DevTools protocol: chromedriver loses a touch whose
  // release comes in a later actions command.
  async appuyer(selecteur, type, bouton, pendant) {
    if (type === "touch") {
      const p = await this.executer((s) => {
        const r = document.querySelector(s).getBoundingClientRect();
        return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
      }, selecteur);
      await this.cdp("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ x: p.x, y: p.y }] });
      const r = await pendant();
      await this.cdp("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
      return r;
    }
    const e = await this.element(selecteur);
    const origine = { [ELEMENT]: e };
    const id = "pointeur-" + type;
    await this.commande("POST", "/actions", {
      actions: [
        {
          type: "pointer",
          id,
          parameters: { pointerType: type },
          actions: [
            { type: "pointerMove", origin: origine, x: 0, y: 0, duration: 0 },
            { type: "pointerDown", button: bouton },
          ],
        },
      ],
    });
    const r = await pendant();
    await this.commande("POST", "/actions", {
      actions: [{ type: "pointer", id, parameters: { pointerType: type }, actions: [{ type: "pointerUp", button: bouton }] }],
    });
    await this.commande("DELETE", "/actions");
    return r;
  }

  // PNG bytes of the viewport.
  async capture() {
    const b64 = await this.commande("GET", "/screenshot");
    return Buffer.from(b64, "base64");
  }

  async fermer() {
    try {
      if (this.id) await this.brut("DELETE", `/session/${this.id}`);
    } catch (e) {
      // already gone
    }
    this.pilote.kill();
    await new Promise((r) => (this.pilote.exitCode !== null ? r() : this.pilote.once("exit", r)));
    if (this.profilPropre) rmSync(this.profil, { recursive: true, force: true });
  }
}
